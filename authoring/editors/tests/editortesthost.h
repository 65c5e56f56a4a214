// SPDX-License-Identifier: MIT
#pragma once
// What the editors' tests stand on: a prompter that records every message and answers from
// a script, the main window's model as the host over it, and a fixture with message files
// in a private folder.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <deque>
#include <string>
#include <vector>

#include "model/templatemodel.h"
#include "modelhost.h"
#include "scriptedprompter.h"

namespace ztk::legendo::test {

namespace detail {
// A base, so that it is built before the model that refers to it.
struct Script {
    ScriptedPrompter prompter;
};
}  // namespace detail

class TestEditorHost final : private detail::Script, public ModelHost {
  public:
    TestEditorHost() : ModelHost(detail::Script::prompter) {}
    ScriptedPrompter& script() { return detail::Script::prompter; }
};

// The characters of row `row` of the model's board.
std::u32string boardRow(const TemplateEditorModel& model, int row);

// A test with a private folder for message files and a host over it.
class EditorTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    std::string path(const std::string& name) const;
    // Writes a message file `name` whose root holds `items` (XML text).
    std::string writeFile(const std::string& items, const std::string& name = "items.xml");
    static std::string readFile(const std::string& path);
    // The messages shown so far, emptied.
    std::vector<std::string> shown() { return host.script().takeTexts(); }

    TestEditorHost host;

  private:
    QTemporaryDir dir_;
};

}  // namespace ztk::legendo::test

// SPDX-License-Identifier: MIT
#pragma once
// Helpers of the authoring program's tests: a prompter that answers from a script and
// records every message, editors and a window that record what the model asks of them,
// and a fixture with a model over message files in a fresh folder.

#include "itemeditor.h"
#include "legendo/mainmodel.h"
#include "legendo/prompter.h"
#include "legendo/windowview.h"
#include "modelhost.h"
#include "scriptedprompter.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ztk::legendo::testing {

using test::ScriptedPrompter;
using test::Shown;

class FakeEditor final : public ItemEditor {
  public:
    QWidget* panel() override { return nullptr; }
    void reset() override { ++resets; }
    bool load() override {
        ++loads;
        return loadResult;
    }
    void save() override {
        ++saves;
        if (onSave) onSave();
    }
    void setSaveEnabled(bool enabled) override { saveEnabled = enabled; }

    int resets = 0;
    int loads = 0;
    int saves = 0;
    bool loadResult = true;
    bool saveEnabled = false;
    std::function<void()> onSave;
};

class RecordingView final : public test::QuietView {
  public:
    void bringToFront(Panel panel) override { front = panel; }
    void enableOnly(Panel editor) override { enabled = editor; }
    void setBusy(bool busy) override { busyDepth += busy ? 1 : -1; }
    void menuStateChanged(const MenuState& state) override { menus = state; }
    void popUp(PopupMenu menu) override { popups.push_back(menu); }

    Panel front = Panel::Empty;
    std::optional<Panel> enabled;
    int busyDepth = 0;
    MenuState menus;
    std::vector<PopupMenu> popups;
};

// A message file with a template, a multipage template, two strings and an alarm.
inline constexpr const char* kSampleFile =
    "<MARQUEE><TEMPLATE font=\"S5\">Line Status<LINE/></TEMPLATE>"
    "<TEMPLATE type=\"multipage\">Shift Board</TEMPLATE>"
    "<STRING>Welcome</STRING><STRING>Output</STRING><ALARM>Fire</ALARM></MARQUEE>";

// Empties the stored list of open files.
void clearStoredList();

class LegendoTest : public ::testing::Test {
  protected:
    LegendoTest();
    ~LegendoTest() override;

    // Writes `content` into a file of the test folder and returns its path.
    std::string writeFile(const std::string& name, const std::string& content = kSampleFile);
    // A left click on the node `key`.
    void click(const std::string& key) { model.mouseDown(MouseButton::Left, key); }

    msgfile::test::TempDir dir;
    ScriptedPrompter prompter;
    RecordingView view;
    FakeEditor templateEditor;
    FakeEditor multipageEditor;
    FakeEditor stringEditor;
    MainModel model{prompter, view};
};

}  // namespace ztk::legendo::testing

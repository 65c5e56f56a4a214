// SPDX-License-Identifier: MIT
#pragma once
// A prompter for the authoring program's tests: it records every message, file dialog and
// name prompt, and answers them from scripts; a question without a scripted answer fails
// the test.

#include "legendo/prompter.h"

#include <deque>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace ztk::legendo::test {

struct Shown {
    std::string text;
    std::string title;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
};

class ScriptedPrompter final : public Prompter {
  public:
    Answer message(const std::string& text, const std::string& title, Icon icon,
                   Buttons buttons) override;
    std::string chooseFileToOpen(const std::string& filter,
                                 const std::string& startFolder) override;
    std::string chooseFileToSave(const std::string& filter,
                                 const std::string& startFolder) override;
    std::optional<std::string> askNewName(const std::string& caption) override;

    // Adds answers for the next questions, in order.
    void answer(std::initializer_list<Answer> next) { answers.insert(answers.end(), next); }
    // The texts of the messages shown so far.
    std::vector<std::string> texts() const;
    // The same, and forgets them.
    std::vector<std::string> takeTexts();

    std::deque<Answer> answers;                    // for questions
    std::deque<std::string> files;                 // for both file dialogs
    std::deque<std::optional<std::string>> names;  // for the name dialog
    std::vector<Shown> shown;
    std::vector<std::string> captions;  // of the name dialogs
    std::vector<std::string> filters;
    std::vector<std::string> startFolders;
};

}  // namespace ztk::legendo::test

// SPDX-License-Identifier: MIT
#include "scriptedprompter.h"

#include <gtest/gtest.h>

namespace ztk::legendo::test {

Answer ScriptedPrompter::message(const std::string& text, const std::string& title, Icon icon,
                                 Buttons buttons) {
    shown.push_back({text, title, icon, buttons});
    if (buttons == Buttons::Ok) return Answer::Ok;
    if (answers.empty()) {
        ADD_FAILURE() << "Unexpected question: " << text;
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    const Answer next = answers.front();
    answers.pop_front();
    return next;
}

std::string ScriptedPrompter::chooseFileToOpen(const std::string& filter,
                                               const std::string& startFolder) {
    return chooseFileToSave(filter, startFolder);
}

std::string ScriptedPrompter::chooseFileToSave(const std::string& filter,
                                               const std::string& startFolder) {
    filters.push_back(filter);
    startFolders.push_back(startFolder);
    if (files.empty()) return {};
    std::string file = files.front();
    files.pop_front();
    return file;
}

std::optional<std::string> ScriptedPrompter::askNewName(const std::string& caption) {
    captions.push_back(caption);
    if (names.empty()) return std::nullopt;
    std::optional<std::string> name = names.front();
    names.pop_front();
    return name;
}

std::vector<std::string> ScriptedPrompter::texts() const {
    std::vector<std::string> all;
    for (const Shown& message : shown)
        all.push_back(message.text);
    return all;
}

std::vector<std::string> ScriptedPrompter::takeTexts() {
    std::vector<std::string> all = texts();
    shown.clear();
    return all;
}

}  // namespace ztk::legendo::test

// SPDX-License-Identifier: MIT
#pragma once
// The texts and titles of the authoring program's messages, and the two forms of a
// run-time failure: permission denied, which names the file, and number :: source.

#include "legendo/prompter.h"

#include "msgfile/save.h"

#include <string>

namespace ztk::legendo {

// Message lines are separated by carriage return + line feed.
inline constexpr const char* kLineBreak = "\r\n";

// A message box: its text, title (empty for the program's title) and icon.
struct Notice {
    std::string text;
    std::string title;
    Icon icon = Icon::Critical;
};

namespace text {
inline constexpr const char* kSavePrompt = "Do you want to save the changes you have made?";
inline constexpr const char* kLoadTitle = "Load Message File.";
inline constexpr const char* kAlreadyLoaded = "Message file has already been loaded.";
inline constexpr const char* kFileNotLoaded =
    "File could not be loaded.  Verify filename and location.";
inline constexpr const char* kCorruptFile = "Corrupt file detected.";
inline constexpr const char* kOutOfSynch =
    "Message file and explorer out of synch.  Remove and re-add file to refresh.";
inline constexpr const char* kTemplateNotFound = "Template not found in specified file.";
inline constexpr const char* kParseKeyTitle = "Parse Key Failed.";
inline constexpr const char* kNewFileTitle = "New Message File Failed.";
inline constexpr const char* kNewFileNotCreated = "Message file was not created.";
inline constexpr const char* kSavedChangesLost = "Changes were not saved.";
inline constexpr const char* kListNotSaved =
    "Error saving list of loaded files.\r\nList may be incorrect when program is restarted.";
}  // namespace text

// The error source named by the program's own failures.
inline constexpr const char* kErrorSource = "Legendo";
// The number under which a failure that is no system error is shown (out of memory).
inline constexpr int kErrOutOfMemory = 7;

// "Error loading file '" + path + "'."
std::string loadErrorText(const std::string& path);
// The message for a path that holds the key separator, which cannot be opened.
std::string separatorInPathText(const std::string& path);
// number + " :: " + source + line break + description.
std::string runtimeErrorText(long number, const std::string& source,
                             const std::string& description);
// "Permission Denied." + line break + "Could not open file '" + file + "' for write." +
// line break + line break + lastLine.
std::string permissionDeniedText(const std::string& file, const std::string& lastLine);
// The message of a failed save of `file`: permission denied or number :: source.
std::string saveFailureText(const msgfile::SaveResult& result, const std::string& file,
                            const std::string& lastLine);

}  // namespace ztk::legendo

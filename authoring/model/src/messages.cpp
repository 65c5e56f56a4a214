// SPDX-License-Identifier: MIT
#include "legendo/messages.h"

namespace ztk::legendo {

std::string loadErrorText(const std::string& path) {
    return "Error loading file '" + path + "'.";
}

std::string separatorInPathText(const std::string& path) {
    return loadErrorText(path) + kLineBreak +
           "A message file's path may not contain \"::\": rename the file or its folder.";
}

std::string runtimeErrorText(long number, const std::string& source,
                             const std::string& description) {
    return std::to_string(number) + " :: " + source + kLineBreak + description;
}

std::string permissionDeniedText(const std::string& file, const std::string& lastLine) {
    return std::string("Permission Denied.") + kLineBreak + "Could not open file '" + file +
           "' for write." + kLineBreak + kLineBreak + lastLine;
}

std::string saveFailureText(const msgfile::SaveResult& result, const std::string& file,
                            const std::string& lastLine) {
    if (result.permissionDenied()) return permissionDeniedText(file, lastLine);
    return runtimeErrorText(result.errorNumber, kErrorSource, result.reason);
}

}  // namespace ztk::legendo

// SPDX-License-Identifier: MIT
#include "model/editortexts.h"

#include "msgfile/writeoutcome.h"

namespace ztk::legendo::texts {

std::string parseErrorText(const std::string& what, const std::string& item,
                           const msgfile::LoadError& error) {
    return "Error " + std::to_string(error.code) + " while processing " + what + " '" + item + "'" +
           kLineBreak + "Line:" + std::to_string(error.line) +
           " Position:" + std::to_string(error.position) + " Reason:" + error.reason;
}

std::string saveFailureText(const msgfile::SaveResult& result, const std::string& file,
                            const std::string& notDone) {
    if (result.permissionDenied()) {
        return std::string("Permission Denied.") + kLineBreak + "Could not open file '" + file +
               "' for write." + kLineBreak + kLineBreak + notDone;
    }
    return std::to_string(result.errorNumber) + " :: " + msgfile::kWriterErrorSource + kLineBreak +
           result.reason;
}

std::string confirmDeleteText(const std::string& name) {
    return "Are you sure you want to delete '" + name + "'?";
}

}  // namespace ztk::legendo::texts

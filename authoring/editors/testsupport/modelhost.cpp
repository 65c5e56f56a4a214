// SPDX-License-Identifier: MIT
#include "modelhost.h"

#include <cstdio>

#include "legendo/nodekey.h"

namespace ztk::legendo::test {

Answer SilentPrompter::message(const std::string& text, const std::string&, Icon, Buttons buttons) {
    if (echo_) std::fprintf(stderr, "message: %s\n", text.c_str());
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
}

void ModelHost::select(const std::string& file, const std::string& folder,
                       const std::string& item) {
    parseKey(itemKey(folderKey(file, folder), item));
}

}  // namespace ztk::legendo::test

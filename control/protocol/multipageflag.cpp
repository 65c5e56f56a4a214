// SPDX-License-Identifier: MIT
#include "protocol/multipageflag.h"

namespace ztk::protocol {

bool& multipageFlag() {
    thread_local bool flag = false;
    return flag;
}

}  // namespace ztk::protocol

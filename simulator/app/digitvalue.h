// SPDX-License-Identifier: MIT
#pragma once

#include <QChar>

namespace ztk::simapp {

// The value of `c` as a digit in `base` (2 to 16, either letter case), or -1 when it is not
// one: the command line and the model lines both read numbers by their leading digits.
inline int digitValue(QChar c, int base) {
    const char16_t u = c.unicode();
    int value = -1;
    if (u >= '0' && u <= '9')
        value = u - '0';
    else if (u >= 'a' && u <= 'f')
        value = u - 'a' + 10;
    else if (u >= 'A' && u <= 'F')
        value = u - 'A' + 10;
    return value < base ? value : -1;
}

}  // namespace ztk::simapp

// SPDX-License-Identifier: MIT
#pragma once
// One active alarm as the control keeps it.

#include <QString>

namespace ztk {

// tKey: "ztk_" + message file + "\" + alarm name; tAscii: the alarm's rendered text.
struct ztkAlarmType {
    QString tKey;
    QString tAscii;
};

}  // namespace ztk

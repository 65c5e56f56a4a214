// SPDX-License-Identifier: MIT
// ChangeMode: switching between template, text string and alarm display.
#include "ZTKMarqueeControl/ztkenums.h"
#include "front/marqueecontext.h"
#include "protocol/multipageflag.h"

namespace ztk {

bool MarqueeContext::changeMode(const QString& newMode) {
    return runRoutine(QStringLiteral("ChangeMode"), [&] {
        const QString word = newMode.toUpper();
        // While alarms are listed in alarm mode, only "ALARM" is taken.
        const bool alarmsShowing = props.displayMode == ztkStateAlarm && !alarms.isEmpty();

        if (word == u"1" || word == u"STRING") {
            protocol::multipageFlag() = false;
            if (alarmsShowing) return false;
            clear();
            const bool shown = updateStringDisplay();
            props.displayMode = ztkStateTextString;
            return shown;
        }
        if (word == u"2" || word == u"ALARM") {
            protocol::multipageFlag() = false;
            restore.alarmShown = false;
            clear();
            props.displayMode = ztkStateAlarm;
            return true;
        }
        if (word == u"0" || word == u"TEMPLATE") {
            if (alarmsShowing) return false;
            clear();
            if (!updateTemplateDisplay()) return false;
            const bool blanked = blankVariables();
            props.displayMode = ztkStateTemplate;
            return blanked;
        }
        throw ControlError(QStringLiteral("Invalid mode.  Cannot change to mode: ") + newMode);
    });
}

}  // namespace ztk

// SPDX-License-Identifier: MIT
// Alarms: every raised alarm stays on the sign, newest first, until it is acknowledged; the
// last acknowledgement puts back what showed before the first alarm.
#include "ZTKMarqueeControl/ztkenums.h"
#include "front/marqueecontext.h"
#include "protocol/orvexprotocolroutines.h"
#include "protocol/packetframe.h"

namespace ztk {
namespace {

// The key of an alarm: "ztk_" + message file + "\" + alarm name.
QString alarmKey(const MarqueeProperties& props) {
    return QStringLiteral("ztk_") + props.messageFile + u'\\' + props.alarmName;
}

// The list's own failure, worded as the log has always shown it (with the routine's prefix
// inside the text as well).
ControlError listFailure(const char* routine, const char* action, const QString& key,
                         int errorNumber) {
    return ControlError(
        QStringLiteral("Error: ") + QString::number(kControlErrorNumber) + QStringLiteral(", ") +
        QLatin1String(kLibraryTitle) + u'[' + QLatin1String(routine) +
        QStringLiteral("]; Attempt to ") + QLatin1String(action) + QStringLiteral(" '") + key +
        QStringLiteral("' resulted in error number ") + QString::number(errorNumber));
}

}  // namespace

bool MarqueeContext::sendAlarmTexts() {
    QByteArray body = mOrvexProtocolRoutines::TextFileCommand();
    for (const ztkAlarmType& alarm : alarms.entries())
        body += protocol::toPacketBytes(alarm.tAscii);
    return sendTextFile(body);
}

bool MarqueeContext::alarmAdd() {
    return runRoutine(QStringLiteral("AlarmAdd"), [&] {
        QByteArray text;
        if (!updateAlarmDisplay(text)) return false;
        const QString key = alarmKey(props);
        if (const int error = alarms.add({key, protocol::fromPacketBytes(text)}); error != 0) {
            throw listFailure("AlarmAdd", "add", key, error);
        }
        if (!sendAlarmTexts()) return false;
        if (props.displayMode != ztkStateAlarm) {
            // Remember what to put back once the last alarm is acknowledged.
            if (props.displayMode == ztkStateTemplate) {
                restore.savedMode = ztkStateTemplate;
                restore.savedName = props.templateName;
            } else if (props.displayMode == ztkStateTextString) {
                restore.savedMode = ztkStateTextString;
                restore.savedName = props.stringName;
            }
            restore.savedFile = props.messageFile;
            props.displayMode = ztkStateAlarm;
            restore.alarmShown = true;
        }
        return true;
    });
}

bool MarqueeContext::alarmAcknowledge() {
    return runRoutine(QStringLiteral("AlarmAcknowledge"), [&] {
        const QString key = alarmKey(props);
        if (const int error = alarms.remove(key); error != 0) {
            throw listFailure("AlarmAcknowledge", "remove", key, error);
        }
        if (!alarms.isEmpty()) {
            sendAlarmTexts();
        } else if (restore.alarmShown) {
            restoreAfterAlarms();
        } else {
            clear();
        }
        return true;
    });
}

bool MarqueeContext::alarmAcknowledgeAll() {
    return runRoutine(QStringLiteral("AlarmAcknowledgeAll"), [&] {
        alarms.clear();
        if (restore.alarmShown) {
            restoreAfterAlarms();
        } else {
            clear();
        }
        return true;
    });
}

void MarqueeContext::restoreAfterAlarms() {
    const bool isTemplate = restore.savedMode == ztkStateTemplate;
    if (!isTemplate && restore.savedMode != ztkStateTextString) return;

    props.messageFile = restore.savedFile;
    markChanged(QStringLiteral("MessageFile"));
    if (isTemplate) {
        props.templateName = restore.savedName;
        markChanged(QStringLiteral("TemplateName"));
    } else {
        props.stringName = restore.savedName;
        markChanged(QStringLiteral("StringName"));
    }
    if (restore.savedFile.isEmpty() || restore.savedName.isEmpty()) {
        clear();
        return;
    }
    // The fields' string files are left alone, so they show again what they held before.
    clearButSaveVariables();
    if (isTemplate ? updateTemplateDisplay() : updateStringDisplay()) {
        props.displayMode = restore.savedMode;
        return;
    }
    throw ControlError(QStringLiteral("Could not restore mode to ") +
                       (isTemplate ? QStringLiteral("Template") : QStringLiteral("String")) +
                       QStringLiteral(" using '") + restore.savedFile + QStringLiteral("' and '") +
                       restore.savedName + u'\'');
}

}  // namespace ztk

// SPDX-License-Identifier: MIT
// Initialize, Clear, Reset, ResetCommunication and the end of a Marquee's life.
#include "front/marqueecontext.h"
#include "protocol/orvexprotocolroutines.h"

namespace ztk {
namespace {

const QString kInitialize = QStringLiteral("Initialize");
const QString kClear = QStringLiteral("Clear");

[[noreturn]] void raiseSendFailure(const char* source) {
    throw ControlError(kControlErrorNumber, QLatin1String(source),
                       QStringLiteral("Failure consequence of SendToMarquee failure."));
}

}  // namespace

bool MarqueeContext::initialize(std::int16_t stringSizeInBytes, bool advanced,
                                bool openClosePerSend) {
    bool& guard = advanced ? state.inInitializeAdv : state.inInitialize;
    if (guard) {
        // The guard belongs to the call already in progress: leave it set.
        logFailure(kInitialize, ControlError(QStringLiteral("Re-entrant call to initialize.")));
        return false;
    }
    guard = true;
    const bool done = runRoutine(kInitialize, [&] {
        if (!props.logFile.isEmpty()) state.logEnabled = true;
        alarms.clear();
        variables.empty();
        // A host's sink stands in for the sign: there is nothing to connect or start.
        switch (sink.attached() ? kConnectSerial : props.connectMode) {
            case kConnectTcp:
                if (advanced && openClosePerSend) {
                    tcp.setOpenClosePerSend(true);
                } else {
                    tcp.connectForInitialize();
                }
                break;
            case kConnectSimulate:
                simulator.start();
                break;
            default:
                break;  // serial: the port is opened for each packet
        }
        clear();
        if (sink.attached() || props.connectMode != kConnectSimulate) {
            setBoardMemory(stringSizeInBytes);
        }
        state.initialized = true;
        return true;
    });
    guard = false;
    return done;
}

bool MarqueeContext::clear() {
    return runRoutine(kClear, [&] {
        if (!sendTextFile(mOrvexProtocolRoutines::TextFileCommand() + ' '))
            raiseSendFailure("Clear()");
        for (int i = 0; i < variables.count(); ++i) {
            sendCommand(QByteArray("G") + static_cast<char>(0x20 + i) + ' ');
        }
        variables.empty();
        return true;
    });
}

bool MarqueeContext::clearButSaveVariables() {
    return runRoutine(kClear, [&] {
        if (!sendTextFile(mOrvexProtocolRoutines::TextFileCommand() + ' ')) {
            raiseSendFailure("ClearButSaveVaribles()");
        }
        variables.empty();
        return true;
    });
}

bool MarqueeContext::reset() {
    return runRoutine(QStringLiteral("Reset"), [&] { return sendCommand("E,"); });
}

bool MarqueeContext::resetCommunication() {
    const QString routine = QStringLiteral("ResetCommunication");
    if (state.inResetCommunication) {
        logFailure(routine, ControlError(QStringLiteral("Re-entrant function call.")));
        return false;
    }
    state.inResetCommunication = true;
    const bool done = runRoutine(routine, [&] {
        activeTransport().reset();
        return true;
    });
    state.inResetCommunication = false;
    return done;
}

void MarqueeContext::terminate() {
    state.initialized = false;
    tcp.closeIfConnected();
    if (props.connectMode == kConnectSimulate && !sink.attached()) simulator.close();
}

}  // namespace ztk

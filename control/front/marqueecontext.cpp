// SPDX-License-Identifier: MIT
#include "front/marqueecontext.h"

#include "front/errorlog.h"
#include "front/socketstate.h"
#include "protocol/orvexprotocolroutines.h"
#include "protocol/packetframe.h"

namespace ztk {

MarqueeContext::MarqueeContext() = default;

MarqueeContext::~MarqueeContext() = default;

void MarqueeContext::logFailure(const QString& routine, const ControlError& error) {
    logIfEnabled(failureMessage(error, routine));
}

void MarqueeContext::logIfEnabled(const QString& message) {
    if (listener) listener->failureRecorded(message);
    if (state.logEnabled) LogError(props.logFile, message);
}

Transport& MarqueeContext::activeTransport() {
    if (sink.attached()) return sink;
    switch (props.connectMode) {
        case kConnectSerial:
            return serial;
        case kConnectTcp:
            return tcp;
        case kConnectSimulate:
            return simulator;
        default:
            // Only a stored setting read without the set rules can hold another mode.
            throw ControlError(QStringLiteral("Unknown connect mode %1.").arg(props.connectMode));
    }
}

bool MarqueeContext::sendToMarquee(const QByteArray& packet) {
    if (listener) listener->packetSending(packet);
    return runRoutine(QStringLiteral("SendToMarquee"),
                      [&] { return activeTransport().send(packet); });
}

bool MarqueeContext::sendCommand(const QByteArray& command) {
    return sendToMarquee(protocol::framePacket(props.type, props.address, command));
}

bool MarqueeContext::sendTextFile(const QByteArray& body) {
    return sendToMarquee(protocol::frameTextFilePacket(props.type, props.address, body));
}

QString MarqueeContext::socketState() const {
    return SocketStateText(tcp.state());
}

void MarqueeContext::markChanged(const QString& name) {
    if (!changed.contains(name)) changed.append(name);
}

}  // namespace ztk

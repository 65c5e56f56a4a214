// SPDX-License-Identifier: MIT
#include "front/simulatortransport.h"

#include "front/controlerror.h"
#include "platform/eventwait.h"
#include "platform/handover.h"
#include "platform/launcher.h"

namespace ztk {
namespace {

// The folder of the control library (this code), where the simulator is installed beside it.
QString controlLibraryFolder() {
    return platform::folderOfCode(reinterpret_cast<const void*>(&simulatorClassName));
}

}  // namespace

QString simulatorClassName() {
    return QStringLiteral("simwin");
}

std::uint64_t handoverKind(const QByteArray& packet) {
    return packet.contains(QByteArray("\x02G")) ? kHandoverStringKind : kHandoverTextKind;
}

bool SimulatorTransport::send(const QByteArray& packet) {
    const auto receiver = platform::HandoverClient::find(simulatorClassName());
    if (!receiver) return false;
    // The simulator expects the packet followed by one zero byte, counted in the length.
    const QByteArray data = packet + '\0';
    if (!receiver->sendCopyData(handoverKind(packet), data)) {
        throw ControlError(QStringLiteral("The simulator did not take the packet."));
    }
    platform::processPendingEvents();
    return true;
}

void SimulatorTransport::start() {
    const QString problem = platform::handoverDirectoryProblem();
    if (!problem.isEmpty()) {
        host_.logIfEnabled(
            QStringLiteral("Simulate mode cannot reach the simulator: %1.").arg(problem));
    }
    const QString folder = controlLibraryFolder();
    const QString program =
        platform::locateProgram(QStringLiteral("orvexsim"), folder, QStringLiteral("ORVEXSIM"));
    if (!program.isEmpty()) {
        platform::startDetached(program, {QStringLiteral("-class"), simulatorClassName()}, folder);
    }
    platform::processPendingEvents();
}

void SimulatorTransport::close() {
    if (const auto receiver = platform::HandoverClient::find(simulatorClassName())) {
        receiver->sendClose();
    }
}

}  // namespace ztk

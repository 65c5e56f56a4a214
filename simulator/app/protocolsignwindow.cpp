// SPDX-License-Identifier: MIT
#include "protocolsignwindow.h"

#include <span>

#include "simcore/displayengine.h"

namespace ztk::simapp {
namespace {

std::span<const std::uint8_t> packetBytes(const QByteArray& data) {
    qsizetype size = data.size();
    if (size > 0 && data.back() == '\0') --size;
    return {reinterpret_cast<const std::uint8_t*>(data.constData()),
            static_cast<std::size_t>(size)};
}

QString modelLineText(const QByteArray& data) {
    const qsizetype end = data.indexOf('\0');
    return QString::fromLatin1(end < 0 ? data : data.left(end));
}

}  // namespace

ProtocolSignWindow::ProtocolSignWindow(SimSettings& settings, Prompter& prompter, QString className,
                                       int linkBarHeight)
    : SignWindow(settings, prompter, std::move(className), linkBarHeight) {}

ProtocolSignWindow::~ProtocolSignWindow() {
    stopEngine();
}

void ProtocolSignWindow::prepareContent(const sim::DisplayModel& model) {
    interpreter_.setModel(model);
}

std::int64_t ProtocolSignWindow::handleCopyData(std::uint64_t kind, const QByteArray& data) {
    switch (kind) {
        case sim::kKindNewMessage: {
            // The text files and pictures are replaced while the engine waits at a step
            // boundary; it starts the new message from its first page.
            sim::DisplayEngine* running = engine();
            if (running) running->pause();
            interpreter_.newMessage(packetBytes(data));
            if (running) running->resume();
            return 1;
        }
        case sim::kKindStringFile:
            interpreter_.interpretStringPacket(packetBytes(data));
            return 1;
        case sim::kKindModelLine:
            return reconfigure(modelLineText(data)) ? 1 : 0;
        default:
            return 0;
    }
}

}  // namespace ztk::simapp

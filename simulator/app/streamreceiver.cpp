// SPDX-License-Identifier: MIT
#include "streamreceiver.h"

#include "simcore/interpreter.h"

namespace ztk::simapp {

StreamReceiver::StreamReceiver(SignAddress address, Deliver deliver, Note note, QString source,
                               std::size_t maxPacketBytes)
    : address_(address),
      deliver_(std::move(deliver)),
      note_(std::move(note)),
      source_(std::move(source)),
      splitter_(*this, maxPacketBytes, sim::EscapedFrames::Ignored) {}

void StreamReceiver::receive(std::span<const std::uint8_t> bytes) {
    splitter_.feed(bytes);
}

void StreamReceiver::end() {
    splitter_.finish();
}

void StreamReceiver::packet(const sim::FramePacket& packet) {
    if (!address_.takes(packet.address)) {
        // Told once per stream: a sender set to another address would otherwise fill the
        // terminal with one line per packet.
        if (passedOver_++ == 0 && note_) {
            note_(QStringLiteral("a packet from %1 for sign %2 was passed over: this sign is %3 "
                                 "(-address)")
                      .arg(source_, QString::fromLatin1(packet.address.data(), 2),
                           QString::fromStdString(address_.text())));
        }
        return;
    }
    const std::uint64_t kind = packet.command == 'G' ? sim::kKindStringFile : sim::kKindNewMessage;
    if (deliver_) {
        deliver_(kind, QByteArray(reinterpret_cast<const char*>(packet.bytes.data()),
                                  static_cast<qsizetype>(packet.bytes.size())));
    }
}

void StreamReceiver::packetTooLong(std::uint64_t) {
    ++tooLong_;
    if (note_) {
        note_(QStringLiteral("dropped a packet from %1 that grew past %2 bytes without its end "
                             "(%3 so far)")
                  .arg(source_)
                  .arg(splitter_.maxPacketBytes())
                  .arg(tooLong_));
    }
}

}  // namespace ztk::simapp

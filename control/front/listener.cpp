// SPDX-License-Identifier: MIT
// The extensions beyond the standard interface: a listener, a packet sink, the word tables.
#include "ZTKMarqueeControl/marquee.h"
#include "front/marqueecontext.h"
#include "front/packetdump.h"
#include "protocol/orvexprotocolroutines.h"

namespace ztk {
namespace {

mOrvexProtocolRoutines::WordTable wordTable(Marquee::AttributeTable table) {
    using W = mOrvexProtocolRoutines::WordTable;
    switch (table) {
        case Marquee::AttributeTable::Color:
            return W::Color;
        case Marquee::AttributeTable::Font:
            return W::Font;
        case Marquee::AttributeTable::Mode:
            return W::Mode;
        case Marquee::AttributeTable::Special:
            return W::Special;
        case Marquee::AttributeTable::Position:
            break;
    }
    return W::Position;
}

}  // namespace

MarqueeListener::~MarqueeListener() = default;
void MarqueeListener::failureRecorded(const QString&) {}
void MarqueeListener::packetSending(const QByteArray&) {}
void MarqueeListener::pausing(int, const QString&) {}

PacketSink::~PacketSink() = default;

void Marquee::setListener(MarqueeListener* listener) {
    context_->listener = listener;
}

void Marquee::setPacketSink(PacketSink* sink) {
    context_->sink.attach(sink);
}

QString Marquee::EscapedPacket(const QByteArray& packet) {
    return EscapeForDump(packet);
}

QStringList Marquee::AttributeWords(AttributeTable table) {
    return mOrvexProtocolRoutines::TableWords(wordTable(table));
}

bool Marquee::IsKnownAttribute(AttributeTable table, const QString& word) {
    return mOrvexProtocolRoutines::IsTableWord(wordTable(table), word);
}

}  // namespace ztk

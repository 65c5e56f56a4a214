// SPDX-License-Identifier: MIT
#include "model/communicationpagemodel.h"

#include <limits>

#include "ZTKMarqueeControl/marquee.h"
#include "model/inputfilters.h"
#include "model/pagetexts.h"

namespace ztk::pages {
namespace {

const QString kPageSource = QStringLiteral("ppgCommunication");

// The port text as the property's 16-bit value.
std::int16_t portValue(const QString& text) {
    bool digits = !text.isEmpty();
    for (QChar c : text)
        digits = digits && c >= u'0' && c <= u'9';
    if (!digits) throw PropertyError(13, kPageSource, QStringLiteral("Type mismatch"));
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok || value > std::numeric_limits<std::int16_t>::max())
        throw PropertyError(6, kPageSource, QStringLiteral("Overflow"));
    return static_cast<std::int16_t>(value);
}

int indexOf(const QStringList& entries, const QString& value) {
    return static_cast<int>(entries.indexOf(value));
}

// The entry at `index` of `entries`, or nothing for a position outside the list.
std::optional<QString> entryAt(const QStringList& entries, int index) {
    if (index < 0 || index >= entries.size()) return std::nullopt;
    return entries[index];
}

}  // namespace

void CommunicationPageModel::load(const Marquee& marquee) {
    port_ = QString::number(marquee.NetworkPort());
    networkAddress_ = marquee.NetworkAddress();
    comPort_ = marquee.SerialComPort();
    baudRate_ = marquee.SerialBaudRate();
    parity_ = marquee.SerialParity();
    dataBits_ = marquee.SerialDataBits();
    stopBits_ = marquee.SerialStopBits();
    switch (marquee.MarqueeConnectMode()) {
        case 0:
            mode_ = ConnectChoice::Serial;
            break;
        case 1:
            mode_ = ConnectChoice::TcpIp;
            break;
        default:
            mode_ = ConnectChoice::Simulate;
            break;
    }
    setUnchanged();
}

std::optional<Refusal> CommunicationPageModel::apply(Marquee& marquee) const {
    return runSteps(
        marquee,
        {
            {QStringLiteral("NetworkPort"), field::kNetworkPort,
             [this](Marquee& m) { m.setNetworkPort(portValue(port_)); }},
            {QStringLiteral("NetworkAddress"), field::kNetworkAddress,
             [this](Marquee& m) { m.setNetworkAddress(networkAddress_); }},
            {QStringLiteral("SerialComPort"), field::kComPort,
             [this](Marquee& m) { m.setSerialComPort(comPort_); }},
            {QStringLiteral("SerialBaudRate"), field::kBaudRate,
             [this](Marquee& m) { m.setSerialBaudRate(baudRate_); }},
            {QStringLiteral("SerialParity"), field::kParity,
             [this](Marquee& m) { m.setSerialParity(parity_); }},
            {QStringLiteral("SerialDataBits"), field::kDataBits,
             [this](Marquee& m) { m.setSerialDataBits(dataBits_); }},
            {QStringLiteral("SerialStopBits"), field::kStopBits,
             [this](Marquee& m) { m.setSerialStopBits(stopBits_); }},
            {QStringLiteral("MarqueeConnectMode"), field::kSerialOption,
             [this](Marquee& m) { m.setMarqueeConnectMode(static_cast<std::uint8_t>(mode_)); }},
        });
}

int CommunicationPageModel::comPortIndex() const {
    return comPort_ >= 1 && comPort_ <= text::comPortEntries().size() ? comPort_ - 1 : -1;
}
int CommunicationPageModel::baudRateIndex() const {
    return indexOf(text::baudRateEntries(), QString::number(baudRate_));
}
int CommunicationPageModel::parityIndex() const {
    return indexOf(text::parityEntries(), parity_);
}
int CommunicationPageModel::dataBitsIndex() const {
    return indexOf(text::dataBitsEntries(), QString::number(dataBits_));
}
int CommunicationPageModel::stopBitsIndex() const {
    return indexOf(text::stopBitsEntries(), QString::number(stopBits_));
}

void CommunicationPageModel::chooseComPort(int index) {
    if (entryAt(text::comPortEntries(), index)) choose(comPort_, std::uint8_t(index + 1));
}
void CommunicationPageModel::chooseBaudRate(int index) {
    if (auto entry = entryAt(text::baudRateEntries(), index)) choose(baudRate_, entry->toInt());
}
void CommunicationPageModel::chooseParity(int index) {
    if (auto entry = entryAt(text::parityEntries(), index)) choose(parity_, *entry);
}
void CommunicationPageModel::chooseDataBits(int index) {
    if (auto entry = entryAt(text::dataBitsEntries(), index))
        choose(dataBits_, static_cast<std::uint8_t>(entry->toInt()));
}
void CommunicationPageModel::chooseStopBits(int index) {
    if (auto entry = entryAt(text::stopBitsEntries(), index))
        choose(stopBits_, static_cast<std::uint8_t>(entry->toInt()));
}

void CommunicationPageModel::leavePortBox() {
    editPort(leavePort(port_));
}

}  // namespace ztk::pages

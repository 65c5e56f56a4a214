// SPDX-License-Identifier: MIT
#include "protocol/variablevalue.h"

#include <QList>

#include <algorithm>

#include "protocol/orvexprotocolroutines.h"
#include "protocol/packetframe.h"

namespace ztk::protocol {
namespace {

// Speed 4: a flashing field of a single-page template needs it to flash at the sign's pace.
constexpr char kFlashSpeed = 0x18;

}  // namespace

QString fitToWidth(const QString& value, int width) {
    if (width <= 0) return value;
    const QList<uint> characters = value.toUcs4();
    const auto kept = static_cast<int>(std::min<qsizetype>(characters.size(), width));
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()), kept) +
           QString(width - kept, u' ');
}

ValueCodes valueCodes(const QString& color, std::int16_t flash, bool singlePageTemplate) {
    namespace codes = mOrvexProtocolRoutines;
    ValueCodes result;
    if (!color.isEmpty()) result.before = codes::ColorCode(color);
    if (flash >= 1 && flash <= 5) {
        if (singlePageTemplate) result.before += kFlashSpeed;
        result.before += codes::FlashCode(1);
        result.after = codes::FlashCode(0);
    }
    return result;
}

QByteArray stringFileCommand(char label, const ValueCodes& codes, const QString& value) {
    QByteArray command;
    command.reserve(2 + codes.before.size() + value.size() + codes.after.size());
    command += 'G';
    command += label;
    command += codes.before;
    command += toPacketBytes(value);
    command += codes.after;
    return command;
}

}  // namespace ztk::protocol

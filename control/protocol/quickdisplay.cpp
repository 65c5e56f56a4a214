// SPDX-License-Identifier: MIT
#include "protocol/quickdisplay.h"

#include "protocol/orvexprotocolroutines.h"
#include "protocol/packetframe.h"

namespace ztk::protocol {

QByteArray quickDisplayBody(const QString& text, const QString& color, const QString& font,
                            const QString& mode, const QString& special, const QString& position) {
    namespace codes = mOrvexProtocolRoutines;
    const QByteArray modeField =
        special.isEmpty() ? codes::ModeCode(mode, position) : codes::SpecialCode(special, position);
    return codes::TextFileCommand() + modeField + codes::ColorCode(color) + codes::FontCode(font) +
           toPacketBytes(text);
}

}  // namespace ztk::protocol

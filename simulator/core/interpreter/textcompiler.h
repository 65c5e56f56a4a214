// SPDX-License-Identifier: MIT
#pragma once
// Compiles the text of one text or string file, with its control codes, into a message
// stream for a given display model.

#include <cstdint>
#include <optional>

#include "simcore/bytedecoder.h"
#include "simcore/displaymodel.h"
#include "simcore/messagestream.h"
#include "simcore/picturestore.h"

namespace ztk::sim {

class TextCompiler {
  public:
    // `flashMode` is the packet's flash-mode flag: it carries over from file to file of one
    // packet. Picture calls map names and mark flashing pictures in `pictures`.
    TextCompiler(const DisplayModel& model, PictureStore& pictures, bool& flashMode)
        : model_(model), pictures_(pictures), flashMode_(flashMode) {}

    // Reads `in` up to ETX, EOT or the end of the input (a code cut short by the end is
    // dropped) and appends the compiled entries, then `end`. Runs in time linear in the
    // length of the text.
    void compile(ByteDecoder& in, MessageStream& out, Op end);

  private:
    // Handles one code byte and what follows it; false at the end of the text.
    bool code(std::uint8_t c, ByteDecoder& in, MessageStream& out);
    bool extended(ByteDecoder& in, MessageStream& out);
    bool customSpeed(ByteDecoder& in, MessageStream& out);
    bool attributeCode(ByteDecoder& in, MessageStream& out);
    bool modeCode(ByteDecoder& in, MessageStream& out);
    bool fontCode(ByteDecoder& in, MessageStream& out);
    bool namedPictureCall(ByteDecoder& in, MessageStream& out);

    // Attribute switches that the sign may not support; each reads its "0"/"1" byte.
    bool doubleHigh(ByteDecoder& in, MessageStream& out);
    bool descenders(ByteDecoder& in, MessageStream& out);
    bool flash(ByteDecoder& in, MessageStream& out);
    bool fixedWidth(ByteDecoder& in, MessageStream& out);
    bool switchAttribute(ByteDecoder& in, MessageStream& out, std::uint16_t bit, bool supported);

    void speed(MessageStream& out, unsigned value);
    void applyFont(std::uint8_t font, MessageStream& out);
    void pictureCall(MessageStream& out, std::uint16_t id);
    bool has(std::uint32_t feature) const { return (model_.featureMask & feature) != 0; }
    bool tall() const { return model_.rows >= 14; }

    const DisplayModel& model_;
    PictureStore& pictures_;
    bool& flashMode_;
    std::uint8_t positionByte_ = '0';
    std::uint16_t position_ = kPosFill;
    std::uint8_t fontChar_ = '3';
    std::uint16_t modeCode_ = 0;  // no mode yet
};

}  // namespace ztk::sim

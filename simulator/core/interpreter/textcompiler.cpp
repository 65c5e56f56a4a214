// SPDX-License-Identifier: MIT
#include "textcompiler.h"

#include <string>

#include "codetables.h"

namespace ztk::sim {

namespace {

constexpr std::size_t kPictureNameLength = 9;
constexpr unsigned kSlowestPlainSpeed = 9;  // larger values are custom delays

// Reads `digits` hexadecimal digits; nothing at the end of the input, -1 in `value` when
// one of them is not a digit.
std::optional<int> readHex(ByteDecoder& in, int digits) {
    int value = 0;
    bool valid = true;
    for (int i = 0; i < digits; ++i) {
        auto b = in.next();
        if (!b) return std::nullopt;
        const int d = hexDigitValue(*b);
        if (d < 0) valid = false;
        value = value << 4 | (d < 0 ? 0 : d);
    }
    return valid ? value : -1;
}

}  // namespace

void TextCompiler::compile(ByteDecoder& in, MessageStream& out, Op end) {
    while (auto c = in.next()) {
        if (!code(*c, in, out)) break;
    }
    out.append(end);
}

bool TextCompiler::code(std::uint8_t c, ByteDecoder& in, MessageStream& out) {
    if (c >= 0x20) {
        out.append(Op::Char, c);
        return true;
    }
    switch (c) {
        case 0x03:
        case 0x04:
            return false;
        case 0x05:
            return doubleHigh(in, out);
        case 0x06:
            return descenders(in, out);
        case 0x07:
            return flash(in, out);
        case 0x08:
            return extended(in, out);
        case 0x09:
            speed(out, 6);
            return true;
        case 0x0B: {
            auto format = in.next();
            if (!format) return false;
            // Only the ten date formats; other bytes would read as time or temperature items.
            if (*format >= '0' && *format <= '9') out.append(Op::TimeDate, *format);
            return true;
        }
        case 0x0C:
            if (model_.rows > 16) out.append(Op::NewPage);
            return true;
        case 0x0D:
            out.append(Op::NewLine);
            return true;
        case 0x0F:
            return customSpeed(in, out);
        case 0x10: {
            auto label = in.next();
            if (!label) return false;
            out.append(Op::StringFile, *label);
            return true;
        }
        case 0x11:
        case 0x12:
            if (has(kFeatWide)) out.append(c == 0x12 ? Op::AttrOn : Op::AttrOff, kAttrWide);
            return true;
        case 0x13:
            out.append(Op::TimeDate, 0);
            return true;
        case 0x14: {
            auto label = in.next();
            if (!label) return false;
            if (has(kFeatSmallPictures)) pictureCall(out, *label);
            return true;
        }
        case 0x15:
        case 0x16:
        case 0x17:
        case 0x18:
        case 0x19:
            speed(out, c - 0x14u);
            return true;
        case 0x1A:
            return fontCode(in, out);
        case 0x1B:
            return modeCode(in, out);
        case 0x1C: {
            auto colour = in.next();
            if (!colour) return false;
            if (auto id = colourOf(*colour, model_.colors)) out.append(Op::Color, *id);
            return true;
        }
        case 0x1D:
            return attributeCode(in, out);
        case 0x1E:
            return fixedWidth(in, out);
        case 0x1F:
            return namedPictureCall(in, out);
        default:
            return true;  // 0x00-0x02, 0x0A, 0x0E: nothing
    }
}

bool TextCompiler::switchAttribute(ByteDecoder& in, MessageStream& out, std::uint16_t bit,
                                   bool supported) {
    auto state = in.next();
    if (!state) return false;
    if (supported) out.append(*state == '1' ? Op::AttrOn : Op::AttrOff, bit);
    return true;
}

bool TextCompiler::doubleHigh(ByteDecoder& in, MessageStream& out) {
    return switchAttribute(in, out, kAttrDoubleHigh, has(kFeatDoubleHigh) && tall());
}

bool TextCompiler::descenders(ByteDecoder& in, MessageStream& out) {
    return switchAttribute(in, out, kAttrDescenders, has(kFeatDescenders) && tall());
}

bool TextCompiler::fixedWidth(ByteDecoder& in, MessageStream& out) {
    return switchAttribute(in, out, kAttrFixedWidth, has(kFeatFixedWidth));
}

bool TextCompiler::flash(ByteDecoder& in, MessageStream& out) {
    auto state = in.next();
    if (!state) return false;
    const bool on = *state == '1';
    // In flash mode the whole line already flashes; switching single characters is moot.
    if (modeCode_ != kModeFlash && has(kFeatFlash)) {
        out.append(on ? Op::AttrOn : Op::AttrOff, kAttrFlash);
    }
    flashMode_ = on;
    return true;
}

bool TextCompiler::extended(ByteDecoder& in, MessageStream& out) {
    auto c = in.next();
    if (!c) return false;
    if (*c == 0x08) {
        auto b = in.next();
        if (!b) return false;
        out.append(Op::Char, static_cast<std::uint16_t>(*b + 128));
    } else if (*c == 0x1C || *c == 0x1D) {
        // Temperature texts; a sign without them shows nothing.
        if (has(kFeatTemperature)) out.append(Op::TimeDate, *c);
    } else if (*c >= 0x7A && *c <= 0x7E) {
        out.append(Op::Char, '0');
    } else {
        out.append(Op::Char, static_cast<std::uint16_t>(*c + 0x60));
    }
    return true;
}

bool TextCompiler::customSpeed(ByteDecoder& in, MessageStream& out) {
    auto first = in.next();
    if (!first) return false;
    std::optional<int> value;
    int scale = 0;
    if (*first == 'T') {
        value = readHex(in, 3);
        scale = 10;
    } else {
        auto second = in.next();
        if (!second) return false;
        const int high = hexDigitValue(*first);
        const int low = hexDigitValue(*second);
        value = (high < 0 || low < 0) ? -1 : (high << 4 | low);
        scale = 100;
    }
    if (!value) return false;
    if (*value >= 0) speed(out, static_cast<unsigned>(*value * scale));
    return true;
}

void TextCompiler::speed(MessageStream& out, unsigned value) {
    if (value > kSlowestPlainSpeed && !has(kFeatCustomSpeed)) return;
    out.append(Op::Speed, static_cast<std::uint16_t>(value));
}

bool TextCompiler::attributeCode(ByteDecoder& in, MessageStream& out) {
    auto attribute = in.next();
    if (!attribute) return false;
    switch (*attribute) {
        case '0':
            return switchAttribute(in, out, kAttrWide, has(kFeatWide));
        case '1':
            return switchAttribute(in, out, kAttrDoubleWide, has(kFeatDoubleWide));
        case '2':
            return doubleHigh(in, out);
        case '3':
            return descenders(in, out);
        case '4':
            return fixedWidth(in, out);
        case '7':
            return switchAttribute(in, out, kAttrShadow, has(kFeatShadow));
        default:
            return in.next().has_value();  // the on/off byte of an unknown attribute
    }
}

bool TextCompiler::modeCode(ByteDecoder& in, MessageStream& out) {
    if (flashMode_) {
        out.append(Op::AttrOff, kAttrFlash);
        flashMode_ = false;
    }
    auto positionByte = in.next();
    if (!positionByte) return false;
    auto modeByte = in.next();
    if (!modeByte) return false;
    std::uint8_t special = 0;
    if (*modeByte == 'n') {
        auto s = in.next();
        if (!s) return false;
        special = *s;
    }

    std::uint16_t position = positionOf(*positionByte);
    if (*modeByte == 'm') {
        // Scroll runs on the bottom line under a top or bottom message, else fills.
        const std::uint16_t previous = positionOf(positionByte_);
        position = (previous == kPosTop || previous == kPosBottom) ? kPosBottom : kPosFill;
    }
    positionByte_ = *positionByte;

    const ModeChoice mode = modeOf(*modeByte, special, model_.modeMask);
    if (mode.forceFill) position = kPosFill;
    position_ = position;
    modeCode_ = mode.automode ? kModeAutomodeFlag : mode.code;
    out.append(Op::Mode, static_cast<std::uint16_t>(position << 8 | modeCode_));
    if (modeCode_ == kModeFlash) {
        out.append(Op::AttrOn, kAttrFlash);
        flashMode_ = true;
    }
    // Full-height sets need a position unless the sign allows them when filling.
    if (!has(kFeatFullHeightInFill) && position == kPosFill &&
        (fontChar_ == '8' || fontChar_ == '9')) {
        applyFont(fontChar_, out);
    }
    return true;
}

bool TextCompiler::fontCode(ByteDecoder& in, MessageStream& out) {
    auto font = in.next();
    if (!font) return false;
    applyFont(*font, out);
    return true;
}

void TextCompiler::applyFont(std::uint8_t font, MessageStream& out) {
    if (auto choice = selectFont(font, position_, model_)) {
        out.append(Op::Font, choice->fontId);
        fontChar_ = choice->fontChar;
    }
}

bool TextCompiler::namedPictureCall(ByteDecoder& in, MessageStream& out) {
    auto kind = in.next();
    if (!kind) return false;
    std::string name;
    for (std::size_t i = 0; i < kPictureNameLength; ++i) {
        auto b = in.next();
        if (!b) return false;
        name.push_back(static_cast<char>(*b));
    }
    auto holdTime = readHex(in, 4);
    if (!holdTime) return false;
    if (!has(kFeatNamedPictures)) return true;
    auto id = pictures_.idForName(name);
    if (!id) return true;  // too many names: the call shows nothing
    if (*kind == 'C' && *holdTime >= 0) {
        out.append(Op::HoldTime, static_cast<std::uint16_t>(*holdTime));
    }
    pictureCall(out, *id);
    return true;
}

void TextCompiler::pictureCall(MessageStream& out, std::uint16_t id) {
    out.append(Op::Picture, id);
    if (flashMode_) pictures_.markFlash(id);
}

}  // namespace ztk::sim

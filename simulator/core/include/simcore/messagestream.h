// SPDX-License-Identifier: MIT
#pragma once
// A compiled text or string file: 32-bit entries, opcode in the high 16 bits and operand in
// the low 16 bits, plus the raw (still escaped) source bytes so that it can be compiled
// again when the display geometry changes.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "simcore/escapemode.h"

namespace ztk::sim {

enum class Op : std::uint16_t {
    Char = 0,     // operand: character code (256+ after an extended escape)
    Mode = 1,     // operand: position << 8 | mode code, | 0x80 for automode
    Font = 2,     // operand: font id 1-12
    Color = 3,    // operand: colour id
    AttrOn = 4,   // operand: attribute bit
    AttrOff = 5,  // operand: attribute bit
    NewLine = 6,
    NewPage = 7,
    StringFile = 16,  // operand: string-file label
    Speed = 17,       // operand: 1-5, 6 = no hold, larger = custom delay in steps
    TimeDate = 18,    // operand: 0 = time, '0'-'9' = date format, 28/29 = temperature texts
    Picture = 19,     // operand: picture id
    HoldTime = 20,    // operand: hold time for the picture that follows
    EndString = 0xFFFE,
    EndText = 0xFFFF,
};

// Attribute bits.
inline constexpr std::uint16_t kAttrWide = 1;
inline constexpr std::uint16_t kAttrDoubleWide = 2;
inline constexpr std::uint16_t kAttrDoubleHigh = 4;
inline constexpr std::uint16_t kAttrFixedWidth = 8;
inline constexpr std::uint16_t kAttrFlash = 16;
inline constexpr std::uint16_t kAttrDescenders = 32;
inline constexpr std::uint16_t kAttrShadow = 64;

// Positions (high byte of a mode operand).
inline constexpr std::uint16_t kPosFill = 0;
inline constexpr std::uint16_t kPosMiddle = 1;
inline constexpr std::uint16_t kPosTop = 2;
inline constexpr std::uint16_t kPosBottom = 3;

// Mode codes (low byte of a mode operand).
enum ModeCode : std::uint16_t {
    kModeHold = 1,
    kModeRotate = 2,
    kModeFlash = 3,
    kModeRollUp = 4,
    kModeRollDown = 5,
    kModeRollLeft = 6,
    kModeRollRight = 7,
    kModeRollIn = 8,
    kModeRollOut = 9,
    kModeWipeUp = 10,
    kModeWipeDown = 11,
    kModeWipeLeft = 12,
    kModeWipeRight = 13,
    kModeWipeIn = 14,
    kModeWipeOut = 15,
    kModeScroll = 16,
    kModeTwinkle = 17,
    kModeSparkle = 18,
    kModeSnow = 19,
    kModeInterlock = 20,
    kModeSwitch = 21,
    kModeSlide = 22,
    kModeSpray = 23,
    kModeStarburst = 24,
    kModeCycleColors = 25,
};
inline constexpr std::uint16_t kModeAutomodeFlag = 0x80;

// Colour ids.
inline constexpr std::uint16_t kColorRed = 11;
inline constexpr std::uint16_t kColorGreen = 12;
inline constexpr std::uint16_t kColorAmber = 13;
inline constexpr std::uint16_t kColorDimRed = 14;
inline constexpr std::uint16_t kColorDimGreen = 15;
inline constexpr std::uint16_t kColorBrown = 16;
inline constexpr std::uint16_t kColorOrange = 17;
inline constexpr std::uint16_t kColorYellow = 18;
inline constexpr std::uint16_t kColorRainbow1 = 1;
inline constexpr std::uint16_t kColorRainbow2 = 2;
inline constexpr std::uint16_t kColorMix = 0;
inline constexpr std::uint16_t kColorAuto = 0x8000;

constexpr std::uint32_t makeEntry(Op op, std::uint16_t operand) {
    return (static_cast<std::uint32_t>(op) << 16) | operand;
}
constexpr Op opcodeOf(std::uint32_t entry) {
    return static_cast<Op>(entry >> 16);
}
constexpr std::uint16_t operandOf(std::uint32_t entry) {
    return static_cast<std::uint16_t>(entry & 0xFFFF);
}

class MessageStream {
  public:
    MessageStream() { entries_.reserve(256); }

    void append(Op op, std::uint16_t operand = 0) { entries_.push_back(makeEntry(op, operand)); }
    std::size_t size() const { return entries_.size(); }
    std::uint32_t operator[](std::size_t i) const { return entries_[i]; }
    const std::vector<std::uint32_t>& entries() const { return entries_; }

    // The raw bytes from the STX that began the command to the byte that ended it.
    void setSource(std::vector<std::uint8_t> source) { source_ = std::move(source); }
    const std::vector<std::uint8_t>& source() const { return source_; }
    // The escape mode of the packet the source came from; recompiling decodes the source
    // with it, so a packet whose STX was sent unescaped still reads the same.
    void setSourceEscape(EscapeMode mode) { sourceEscape_ = mode; }
    EscapeMode sourceEscape() const { return sourceEscape_; }

  private:
    std::vector<std::uint32_t> entries_;
    std::vector<std::uint8_t> source_;
    EscapeMode sourceEscape_ = EscapeMode::Raw;
};

}  // namespace ztk::sim

// SPDX-License-Identifier: MIT
#pragma once
// Reads the decoded bytes of a packet one at a time, undoing its transport escaping.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "simcore/escapemode.h"

namespace ztk::sim {

// Value of a hexadecimal digit of either case, or -1 for any other byte.
constexpr int hexDigitValue(std::uint8_t c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

class ByteDecoder {
  public:
    ByteDecoder(std::span<const std::uint8_t> raw, EscapeMode mode) : raw_(raw), mode_(mode) {}

    // The next decoded byte; nothing at the end of the input. A "]" with nothing after it
    // is an escape cut short and ends the input; a "_" not followed by two hexadecimal
    // digits stands for itself.
    std::optional<std::uint8_t> next() {
        if (pos_ >= raw_.size()) return std::nullopt;
        const std::uint8_t b = raw_[pos_];
        if (mode_ == EscapeMode::Raw || (b != ']' && b != '_')) {
            ++pos_;
            return b;
        }
        return nextEscaped(b);
    }

    // Offset in the raw input of the next byte to decode.
    std::size_t position() const { return pos_; }
    // Continues decoding at raw offset `offset` (clamped to the end), which must be the
    // start of an escape or of a plain byte.
    void seek(std::size_t offset) { pos_ = offset < raw_.size() ? offset : raw_.size(); }
    bool atEnd() const { return pos_ >= raw_.size(); }

    std::span<const std::uint8_t> raw() const { return raw_; }
    EscapeMode mode() const { return mode_; }

  private:
    std::optional<std::uint8_t> nextEscaped(std::uint8_t b);

    std::span<const std::uint8_t> raw_;
    EscapeMode mode_;
    std::size_t pos_ = 0;
};

}  // namespace ztk::sim

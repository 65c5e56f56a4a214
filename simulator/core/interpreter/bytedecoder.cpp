// SPDX-License-Identifier: MIT
#include "simcore/bytedecoder.h"

namespace ztk::sim {

std::optional<std::uint8_t> ByteDecoder::nextEscaped(std::uint8_t b) {
    const std::size_t left = raw_.size() - pos_;
    if (b == ']' && mode_ == EscapeMode::Bracket) {
        if (left < 2) {
            pos_ = raw_.size();
            return std::nullopt;
        }
        const auto value = static_cast<std::uint8_t>(raw_[pos_ + 1] - 32);
        pos_ += 2;
        return value;
    }
    if (b == '_' && left >= 3) {
        const int high = hexDigitValue(raw_[pos_ + 1]);
        const int low = hexDigitValue(raw_[pos_ + 2]);
        if (high >= 0 && low >= 0) {
            pos_ += 3;
            return static_cast<std::uint8_t>(high << 4 | low);
        }
    }
    ++pos_;
    return b;
}

}  // namespace ztk::sim

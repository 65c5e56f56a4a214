// SPDX-License-Identifier: MIT
#include "simcore/displaymodel.h"

#include <cctype>
#include <cstdio>
#include <limits>

#include "simcore/bytedecoder.h"

namespace ztk::sim {

namespace {

// Reads numbers the way scanf's %d and %X do: leading white space, an optional sign, and
// for hexadecimal an optional "0x" prefix. Overflow is refused rather than left undefined.
class FieldReader {
  public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    bool literal(char c) {
        if (pos_ >= text_.size() || text_[pos_] != c) return false;
        ++pos_;
        return true;
    }

    std::optional<std::string> name() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != ',')
            ++pos_;
        if (pos_ == start) return std::nullopt;
        return std::string(text_.substr(start, pos_ - start));
    }

    std::optional<int> decimal() {
        bool negative = false;
        sign(negative);
        long long value = 0;
        const std::size_t start = pos_;
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
            value = value * 10 + (text_[pos_] - '0');
            if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1) {
                return std::nullopt;
            }
            ++pos_;
        }
        if (pos_ == start) return std::nullopt;
        if (negative) value = -value;
        if (value > std::numeric_limits<int>::max()) return std::nullopt;
        return static_cast<int>(value);
    }

    std::optional<std::uint32_t> hex() {
        bool negative = false;
        sign(negative);
        if (pos_ + 2 < text_.size() && text_[pos_] == '0' &&
            (text_[pos_ + 1] == 'x' || text_[pos_ + 1] == 'X') && hexDigit(text_[pos_ + 2]) >= 0) {
            pos_ += 2;
        }
        std::uint64_t value = 0;
        const std::size_t start = pos_;
        while (pos_ < text_.size() && hexDigit(text_[pos_]) >= 0) {
            value = value << 4 | static_cast<std::uint64_t>(hexDigit(text_[pos_]));
            if (value > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
            ++pos_;
        }
        if (pos_ == start) return std::nullopt;
        const auto result = static_cast<std::uint32_t>(value);
        return negative ? static_cast<std::uint32_t>(0u - result) : result;
    }

  private:
    void sign(bool& negative) {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) {
            ++pos_;
        }
        if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) {
            negative = text_[pos_] == '-';
            ++pos_;
        }
    }

    static int hexDigit(char c) { return hexDigitValue(static_cast<std::uint8_t>(c)); }

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace

std::optional<DisplayModel> DisplayModel::parse(std::string_view line) {
    FieldReader in(line);
    DisplayModel model;
    auto name = in.name();
    if (!name || !in.literal(',')) return std::nullopt;
    auto columns = in.decimal();
    if (!columns || !in.literal(',')) return std::nullopt;
    auto rows = in.decimal();
    if (!rows || !in.literal(',')) return std::nullopt;
    auto colors = in.decimal();
    if (!colors || !in.literal(',')) return std::nullopt;
    auto modeMask = in.hex();
    if (!modeMask || !in.literal(',')) return std::nullopt;
    auto featureMask = in.hex();
    if (!featureMask || !in.literal(',')) return std::nullopt;
    auto fontMask = in.hex();
    if (!fontMask) return std::nullopt;

    if (*columns < 1 || *columns > kMaxColumns) return std::nullopt;
    if (*rows < 1 || *rows > kMaxRows) return std::nullopt;
    if (*colors < 1 || *colors > kMaxColors) return std::nullopt;
    model.name = std::move(*name);
    model.columns = *columns;
    model.rows = *rows;
    model.colors = *colors;
    model.modeMask = *modeMask;
    model.featureMask = *featureMask;
    model.fontMask = *fontMask;
    return model;
}

std::string DisplayModel::format() const {
    char numbers[96];
    std::snprintf(numbers, sizeof numbers, ",%d,%d,%d,%X,%X,%X", columns, rows, colors,
                  static_cast<unsigned>(modeMask), static_cast<unsigned>(featureMask),
                  static_cast<unsigned>(fontMask));
    return name + numbers;
}

}  // namespace ztk::sim

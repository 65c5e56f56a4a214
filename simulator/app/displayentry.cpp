// SPDX-License-Identifier: MIT
#include "displayentry.h"

#include "digitvalue.h"

#include <limits>

namespace ztk::simapp {
namespace {

// Reads fields the way scanf's %[^,], %d and %X do, refusing overflow.
class FieldScanner {
  public:
    explicit FieldScanner(const QString& text) : text_(text) {}

    bool comma() {
        if (pos_ >= text_.size() || text_[pos_] != u',') return false;
        ++pos_;
        return true;
    }

    std::optional<QString> name() {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && text_[pos_] != u',')
            ++pos_;
        if (pos_ == start) return std::nullopt;
        return text_.mid(start, pos_ - start);
    }

    std::optional<int> decimal() {
        const bool negative = sign();
        const auto value = digits(10, std::uint64_t{std::numeric_limits<int>::max()} + 1);
        if (!value) return std::nullopt;
        const long long signedValue = negative ? -static_cast<long long>(*value) : *value;
        if (signedValue > std::numeric_limits<int>::max()) return std::nullopt;
        return static_cast<int>(signedValue);
    }

    std::optional<std::uint32_t> hex() {
        const bool negative = sign();
        if (pos_ + 2 < text_.size() && text_[pos_] == u'0' &&
            (text_[pos_ + 1] == u'x' || text_[pos_ + 1] == u'X') &&
            digitValue(text_[pos_ + 2], 16) >= 0)
            pos_ += 2;
        const auto value = digits(16, std::numeric_limits<std::uint32_t>::max());
        if (!value) return std::nullopt;
        const auto result = static_cast<std::uint32_t>(*value);
        return negative ? 0u - result : result;
    }

  private:
    bool sign() {
        while (pos_ < text_.size() && text_[pos_].isSpace())
            ++pos_;
        if (pos_ < text_.size() && (text_[pos_] == u'+' || text_[pos_] == u'-')) {
            return text_[pos_++] == u'-';
        }
        return false;
    }

    std::optional<std::uint64_t> digits(int base, std::uint64_t limit) {
        const qsizetype start = pos_;
        std::uint64_t value = 0;
        while (pos_ < text_.size() && digitValue(text_[pos_], base) >= 0) {
            value = value * base + digitValue(text_[pos_], base);
            if (value > limit) return std::nullopt;
            ++pos_;
        }
        if (pos_ == start) return std::nullopt;
        return value;
    }

    const QString& text_;
    qsizetype pos_ = 0;
};

}  // namespace

std::optional<DisplayEntry> parseDisplayEntry(const QString& line) {
    FieldScanner in(line);
    DisplayEntry entry;
    entry.line = line;
    auto name = in.name();
    if (!name || !in.comma()) return std::nullopt;
    auto columns = in.decimal();
    if (!columns || !in.comma()) return std::nullopt;
    auto rows = in.decimal();
    if (!rows || !in.comma()) return std::nullopt;
    auto colors = in.decimal();
    if (!colors) return std::nullopt;
    entry.name = *name;
    entry.columns = *columns;
    entry.rows = *rows;
    entry.colors = *colors;
    // The masks are taken as far as they are there, as scanf fills its fields.
    if (!in.comma()) return entry;
    if (auto mask = in.hex())
        entry.modeMask = *mask;
    else
        return entry;
    if (!in.comma()) return entry;
    if (auto mask = in.hex())
        entry.featureMask = *mask;
    else
        return entry;
    if (!in.comma()) return entry;
    if (auto mask = in.hex()) entry.fontMask = *mask;
    return entry;
}

}  // namespace ztk::simapp

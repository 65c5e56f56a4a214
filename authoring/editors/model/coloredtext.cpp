// SPDX-License-Identifier: MIT
#include "model/coloredtext.h"

#include <algorithm>

#include "model/text32.h"
#include "msgfile/text.h"

namespace ztk::legendo {

ColoredText ColoredText::fromRuns(const std::vector<msgfile::ColoredRun>& runs) {
    ColoredText text;
    for (const msgfile::ColoredRun& run : runs)
        text.append(toU32(run.text), run.color);
    return text;
}

std::vector<msgfile::ColoredRun> ColoredText::runs() const {
    std::vector<msgfile::ColoredRun> runs;
    for (const ColoredChar& c : chars_) {
        if (runs.empty() || runs.back().color != c.color) runs.push_back({{}, c.color});
        msgfile::appendUtf8(runs.back().text, c.ch);
    }
    return runs;
}

std::u32string ColoredText::plain() const {
    std::u32string out;
    out.reserve(chars_.size());
    for (const ColoredChar& c : chars_)
        out += c.ch;
    return out;
}

void ColoredText::insert(std::size_t pos, std::u32string_view text, Rgb color) {
    pos = std::min(pos, chars_.size());
    std::vector<ColoredChar> added;
    added.reserve(text.size());
    for (char32_t ch : text)
        added.push_back({ch, color});
    chars_.insert(chars_.begin() + static_cast<std::ptrdiff_t>(pos), added.begin(), added.end());
}

void ColoredText::remove(std::size_t pos, std::size_t count) {
    pos = std::min(pos, chars_.size());
    count = std::min(count, chars_.size() - pos);
    const auto from = chars_.begin() + static_cast<std::ptrdiff_t>(pos);
    chars_.erase(from, from + static_cast<std::ptrdiff_t>(count));
}

void ColoredText::recolor(std::size_t pos, std::size_t count, Rgb color) {
    pos = std::min(pos, chars_.size());
    count = std::min(count, chars_.size() - pos);
    for (std::size_t i = pos; i < pos + count; ++i)
        chars_[i].color = color;
}

std::optional<Rgb> ColoredText::colorOf(std::size_t pos, std::size_t count) const {
    pos = std::min(pos, chars_.size());
    count = std::min(count, chars_.size() - pos);
    if (count == 0) {
        if (pos == 0) return std::nullopt;
        return chars_[pos - 1].color;
    }
    const Rgb first = chars_[pos].color;
    for (std::size_t i = pos + 1; i < pos + count; ++i) {
        if (chars_[i].color != first) return std::nullopt;
    }
    return first;
}

}  // namespace ztk::legendo

// SPDX-License-Identifier: MIT
#pragma once
// The text of the string and alarm editor: characters, each in its own colour. Equality
// compares the formatted content, so a colour change is a change.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/signcolor.h"
#include "msgfile/writerdata.h"

namespace ztk::legendo {

struct ColoredChar {
    char32_t ch = U' ';
    Rgb color = kNoColor;
    bool operator==(const ColoredChar&) const = default;
};

class ColoredText {
  public:
    ColoredText() = default;
    static ColoredText fromRuns(const std::vector<msgfile::ColoredRun>& runs);

    // Adjacent characters of one colour joined into runs (UTF-8).
    std::vector<msgfile::ColoredRun> runs() const;
    std::u32string plain() const;
    const std::vector<ColoredChar>& chars() const { return chars_; }
    std::size_t size() const { return chars_.size(); }
    bool empty() const { return chars_.empty(); }

    // Inserts `text` at `pos` (bounded to the end) in `color`.
    void insert(std::size_t pos, std::u32string_view text, Rgb color);
    void append(std::u32string_view text, Rgb color) { insert(size(), text, color); }
    void remove(std::size_t pos, std::size_t count);
    void recolor(std::size_t pos, std::size_t count, Rgb color);
    // The one colour of characters pos..pos+count-1; nothing when they are of mixed
    // colours. An empty range gives the colour of the character before it (what text typed
    // there takes), or nothing at the start.
    std::optional<Rgb> colorOf(std::size_t pos, std::size_t count) const;

    bool operator==(const ColoredText&) const = default;

  private:
    std::vector<ColoredChar> chars_;
};

}  // namespace ztk::legendo

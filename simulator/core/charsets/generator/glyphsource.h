// SPDX-License-Identifier: MIT
#pragma once
// Reading, checking and encoding the text glyph sources of the character sets. Shared by the
// build-time generator and its tests.

#include <cstdint>
#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

namespace ztk::sim::charsetgen {

// A fault in a glyph source; what() reads "file:line: reason".
class SourceError : public std::runtime_error {
  public:
    SourceError(const std::string& file, int line, const std::string& reason);
    const std::string& file() const { return file_; }
    int line() const { return line_; }

  private:
    std::string file_;
    int line_;
};

enum class SetKind { Main, Wide, Descender };

struct GlyphSource {
    int code = 0;                   // the character the glyph stands for
    int line = 0;                   // line of its header in the source
    std::vector<std::string> rows;  // "#" lit, "." off, all of the glyph's width
    int width() const { return rows.empty() ? 0 : static_cast<int>(rows.front().size()); }
};

struct SetSource {
    std::string file;
    int id = 0;
    SetKind kind = SetKind::Main;
    int rows = 0;
    int cell = 0;
    int spacing = 0;
    int bytesPerRow = 0;
    int glyphCount = 0;
    std::vector<GlyphSource> glyphs;

    // The resource number the set is stored under: 0x100, 0x200 or 0x300 | id.
    int resourceNumber() const;
};

// Parses and checks one glyph source; throws SourceError naming the file and line.
SetSource parseSetSource(std::istream& in, const std::string& file);

// Checks what only shows across files: one source per resource, and wide and descender
// sets that fit their main set. Throws SourceError.
void checkSetFamily(const std::vector<SetSource>& sets);

// The binary set: five header bytes, then per glyph its width and its rows.
std::vector<std::uint8_t> encodeSet(const SetSource& set);

// A C++ source defining the resource table of charsettable.h for `sets`.
std::string writeTableSource(const std::vector<SetSource>& sets);

}  // namespace ztk::sim::charsetgen

// SPDX-License-Identifier: MIT
#include "glyphsource.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <sstream>

namespace ztk::sim::charsetgen {

namespace {

constexpr const char* kWideLetters = "MmWw";
constexpr const char* kDescenderLetters = "gjpqy,";
constexpr int kMaxRows = 32;
constexpr int kFirstCode = 32;

std::string trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

std::vector<std::string> words(const std::string& s) {
    std::istringstream in(s);
    std::vector<std::string> out;
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

std::optional<int> parseNumber(const std::string& text) {
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        first += 2;
        base = 16;
    }
    const auto [end, ec] = std::from_chars(first, last, value, base);
    if (ec != std::errc() || end != last || first == last) return std::nullopt;
    return value;
}

bool isGlyphRow(const std::string& s) {
    return !s.empty() && s.find_first_not_of("#.") == std::string::npos;
}

std::string hex(int code) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%02X", code);
    return buf;
}

// The code glyph `index` of a set of `kind` must stand for.
int expectedCode(SetKind kind, int index) {
    switch (kind) {
        case SetKind::Main:
            return kFirstCode + index;
        case SetKind::Wide:
            return static_cast<unsigned char>(kWideLetters[index]);
        case SetKind::Descender:
            return static_cast<unsigned char>(kDescenderLetters[index]);
    }
    return -1;
}

int fixedCount(SetKind kind) {
    switch (kind) {
        case SetKind::Wide:
            return 4;
        case SetKind::Descender:
            return 6;
        case SetKind::Main:
            break;
    }
    return 0;
}

class Parser {
  public:
    Parser(std::istream& in, const std::string& file) : in_(in) { set_.file = file; }

    SetSource run() {
        std::string raw;
        while (std::getline(in_, raw)) {
            ++line_;
            const std::string text = trim(raw);
            if (text.empty()) {
                closeGlyph();
            } else if (text[0] == ';') {
                continue;
            } else if (isGlyphRow(text)) {
                addRow(text);
            } else {
                const auto w = words(text);
                if (w[0] == "glyph") {
                    startGlyph(w);
                } else if (!glyph_ && set_.glyphs.empty()) {
                    header(w);
                } else {
                    fail("unexpected line \"" + text + "\"");
                }
            }
        }
        ++line_;
        closeGlyph();
        if (set_.glyphs.empty()) requireHeader();
        if (static_cast<int>(set_.glyphs.size()) != set_.glyphCount) {
            fail("the set declares " + std::to_string(set_.glyphCount) + " glyphs but has " +
                 std::to_string(set_.glyphs.size()));
        }
        return std::move(set_);
    }

  private:
    [[noreturn]] void fail(const std::string& reason) const {
        throw SourceError(set_.file, line_, reason);
    }

    int number(const std::vector<std::string>& w, std::size_t i, int lo, int hi) const {
        if (w.size() <= i) fail("\"" + w[0] + "\" needs a value");
        const auto v = parseNumber(w[i]);
        if (!v || *v < lo || *v > hi) {
            fail("\"" + w[0] + "\" must be a number from " + std::to_string(lo) + " to " +
                 std::to_string(hi) + ", not \"" + w[i] + "\"");
        }
        return *v;
    }

    void header(const std::vector<std::string>& w) {
        const std::string& key = w[0];
        if (!seen_.insert(key).second) fail("\"" + key + "\" given twice");
        std::size_t expectedWords = 2;
        if (key == "charset") {
            set_.id = number(w, 1, 1, 12);
            if (w.size() < 3) fail("\"charset\" needs an id and a kind (main, wide, descender)");
            if (w[2] == "main") {
                set_.kind = SetKind::Main;
            } else if (w[2] == "wide") {
                set_.kind = SetKind::Wide;
            } else if (w[2] == "descender") {
                set_.kind = SetKind::Descender;
            } else {
                fail("unknown set kind \"" + w[2] + "\" (main, wide or descender)");
            }
            expectedWords = 3;
        } else if (key == "rows") {
            set_.rows = number(w, 1, 1, kMaxRows);
        } else if (key == "bytes") {
            set_.bytesPerRow = number(w, 1, 1, 2);
        } else if (key == "cell") {
            set_.cell = number(w, 1, 1, 16);
        } else if (key == "spacing") {
            set_.spacing = number(w, 1, 0, 16);
        } else if (key == "glyphs") {
            set_.glyphCount = number(w, 1, 1, 256 - kFirstCode);
        } else {
            fail("unknown header line \"" + key + "\"");
        }
        if (w.size() != expectedWords) fail("too many values for \"" + key + "\"");
    }

    void requireHeader() {
        for (const char* key : {"charset", "rows", "bytes", "cell", "spacing", "glyphs"}) {
            if (!seen_.count(key)) fail(std::string("the header lacks \"") + key + "\"");
        }
        if (set_.cell > 8 * set_.bytesPerRow) {
            fail("cell " + std::to_string(set_.cell) + " is wider than " +
                 std::to_string(set_.bytesPerRow) + " byte(s) per row");
        }
        const int fixed = fixedCount(set_.kind);
        if (fixed != 0 && set_.glyphCount != fixed) {
            fail("this kind of set holds exactly " + std::to_string(fixed) + " glyphs");
        }
    }

    void startGlyph(const std::vector<std::string>& w) {
        closeGlyph();
        if (set_.glyphs.empty()) requireHeader();
        const int index = static_cast<int>(set_.glyphs.size());
        if (index >= set_.glyphCount) {
            fail("more glyphs than the " + std::to_string(set_.glyphCount) + " declared");
        }
        const auto code = w.size() >= 2 ? parseNumber(w[1]) : std::nullopt;
        if (!code) fail("a glyph header reads \"glyph 0xNN [character]\"");
        const int expected = expectedCode(set_.kind, index);
        if (*code != expected) {
            fail("glyph " + std::to_string(index) + " must stand for " + hex(expected) + ", not " +
                 hex(*code));
        }
        glyph_ = GlyphSource{};
        glyph_->code = *code;
        glyph_->line = line_;
    }

    void addRow(const std::string& row) {
        if (!glyph_) fail("a glyph row outside a glyph (missing \"glyph 0xNN\" line?)");
        const int maxWidth = 8 * set_.bytesPerRow;
        if (static_cast<int>(row.size()) > maxWidth) {
            fail("row is " + std::to_string(row.size()) + " columns wide, more than " +
                 std::to_string(maxWidth));
        }
        if (!glyph_->rows.empty() && row.size() != glyph_->rows.front().size()) {
            fail("row is " + std::to_string(row.size()) + " columns wide, the glyph's first row " +
                 std::to_string(glyph_->rows.front().size()));
        }
        if (static_cast<int>(glyph_->rows.size()) == set_.rows) {
            fail("glyph " + hex(glyph_->code) + " has more than " + std::to_string(set_.rows) +
                 " rows");
        }
        glyph_->rows.push_back(row);
    }

    void closeGlyph() {
        if (!glyph_) return;
        if (static_cast<int>(glyph_->rows.size()) != set_.rows) {
            fail("glyph " + hex(glyph_->code) + " (line " + std::to_string(glyph_->line) +
                 ") has " + std::to_string(glyph_->rows.size()) + " rows, the set " +
                 std::to_string(set_.rows));
        }
        set_.glyphs.push_back(std::move(*glyph_));
        glyph_.reset();
    }

    std::istream& in_;
    SetSource set_;
    std::optional<GlyphSource> glyph_;
    std::set<std::string> seen_;
    int line_ = 0;
};

}  // namespace

SourceError::SourceError(const std::string& file, int line, const std::string& reason)
    : std::runtime_error(file + ":" + std::to_string(line) + ": " + reason),
      file_(file),
      line_(line) {}

int SetSource::resourceNumber() const {
    switch (kind) {
        case SetKind::Main:
            return 0x100 | id;
        case SetKind::Wide:
            return 0x200 | id;
        case SetKind::Descender:
            return 0x300 | id;
    }
    return 0;
}

SetSource parseSetSource(std::istream& in, const std::string& file) {
    return Parser(in, file).run();
}

void checkSetFamily(const std::vector<SetSource>& sets) {
    std::map<int, const SetSource*> byNumber;
    for (const auto& set : sets) {
        const auto [it, fresh] = byNumber.emplace(set.resourceNumber(), &set);
        if (!fresh) {
            throw SourceError(set.file, 1,
                              "resource " + hex(set.resourceNumber()) + " is also defined in " +
                                  it->second->file);
        }
    }
    for (const auto& set : sets) {
        if (set.kind == SetKind::Main) continue;
        const auto main = byNumber.find(0x100 | set.id);
        if (main == byNumber.end()) {
            throw SourceError(set.file, 1,
                              "no main set for character set " + std::to_string(set.id));
        }
        const SetSource& m = *main->second;
        if (set.bytesPerRow != m.bytesPerRow) {
            throw SourceError(set.file, 1, "bytes per row differ from the main set's");
        }
        if (set.kind == SetKind::Wide && set.rows != m.rows) {
            throw SourceError(set.file, 1, "a wide set has its main set's rows");
        }
        if (set.kind == SetKind::Descender && set.rows <= m.rows) {
            throw SourceError(set.file, 1, "a descender set is taller than its main set");
        }
    }
}

std::vector<std::uint8_t> encodeSet(const SetSource& set) {
    std::vector<std::uint8_t> out;
    out.reserve(5 + set.glyphs.size() * (1 + set.rows * set.bytesPerRow));
    out.push_back(static_cast<std::uint8_t>(set.glyphs.size()));
    out.push_back(static_cast<std::uint8_t>(set.bytesPerRow));
    out.push_back(static_cast<std::uint8_t>(set.rows));
    out.push_back(static_cast<std::uint8_t>(set.cell));
    out.push_back(static_cast<std::uint8_t>(set.spacing));
    for (const auto& glyph : set.glyphs) {
        out.push_back(static_cast<std::uint8_t>(glyph.width()));
        for (const auto& row : glyph.rows) {
            for (int b = 0; b < set.bytesPerRow; ++b) {
                std::uint8_t byte = 0;
                for (int bit = 0; bit < 8; ++bit) {
                    const std::size_t column = static_cast<std::size_t>(b * 8 + bit);
                    if (column < row.size() && row[column] == '#') byte |= 0x80 >> bit;
                }
                out.push_back(byte);
            }
        }
    }
    return out;
}

std::string writeTableSource(const std::vector<SetSource>& sets) {
    std::vector<const SetSource*> ordered;
    for (const auto& set : sets)
        ordered.push_back(&set);
    std::sort(ordered.begin(), ordered.end(), [](const SetSource* a, const SetSource* b) {
        return a->resourceNumber() < b->resourceNumber();
    });

    std::ostringstream out;
    out << "// Generated by charsetgen from the glyph sources; edit those, not this file.\n"
           "#include \"charsettable.h\"\n\n"
           "namespace ztk::sim::detail {\n\nnamespace {\n";
    for (const SetSource* set : ordered) {
        const auto bytes = encodeSet(*set);
        out << "\n// " << set->file << "\nconstexpr std::uint8_t kSet" << hex(set->resourceNumber())
            << "[] = {";
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            out << (i % 16 == 0 ? "\n    " : " ") << static_cast<int>(bytes[i]) << ",";
        }
        out << "\n};\n";
    }
    out << "\nconstexpr CharsetResourceEntry kTable[] = {\n";
    for (const SetSource* set : ordered) {
        const std::string name = "kSet" + hex(set->resourceNumber());
        out << "    {" << hex(set->resourceNumber()) << ", " << name << ", sizeof " << name
            << "},\n";
    }
    out << "};\n\n}  // namespace\n\n"
           "std::span<const CharsetResourceEntry> charsetResourceTable() { return kTable; }\n\n"
           "}  // namespace ztk::sim::detail\n";
    return out.str();
}

}  // namespace ztk::sim::charsetgen

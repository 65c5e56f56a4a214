// SPDX-License-Identifier: MIT
// charset-show: prints text in one of the compiled-in character sets as "#"/"." rows, for
// reviewing glyphs.
//
//   charset-show FONT TEXT...     TEXT (UTF-8, Latin-1 characters only) in main set FONT 1-12
//   charset-show -r NUMBER        every glyph of resource NUMBER (e.g. 0x202), in order

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "preview.h"

namespace {

// UTF-8 to Latin-1; characters above 255 become "?".
std::string toLatin1(const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if ((c & 0xE0) == 0xC0 && i + 1 < utf8.size()) {
            const int code = (c & 0x1F) << 6 | (static_cast<unsigned char>(utf8[++i]) & 0x3F);
            out += static_cast<char>(code <= 0xFF ? code : '?');
        } else {
            while (i + 1 < utf8.size() && (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80)
                ++i;
            out += '?';
        }
    }
    return out;
}

void print(const std::vector<std::string>& rows) {
    for (const auto& row : rows)
        std::cout << row << "\n";
    std::cout << "\n";
}

int usage() {
    std::cerr << "usage: charset-show FONT TEXT...   (FONT 1-12)\n"
                 "       charset-show -r NUMBER     (every glyph of a resource, e.g. 0x202)\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace ztk::sim;
    if (argc < 3) return usage();
    if (std::string(argv[1]) == "-r") {
        const int number = static_cast<int>(std::strtol(argv[2], nullptr, 0));
        const CharSet set(charsetResource(number));
        if (!set.valid()) {
            std::cerr << "charset-show: no resource " << argv[2] << "\n";
            return 1;
        }
        std::printf("resource 0x%03X: %d glyphs, %d rows, cell %d, spacing %d\n", number,
                    set.glyphCount(), set.rows(), set.cell(), set.spacing());
        for (int first = 0; first < set.glyphCount(); first += 16) {
            std::vector<int> line;
            for (int k = first; k < set.glyphCount() && k < first + 16; ++k)
                line.push_back(k);
            print(previewGlyphs(set, line));
        }
        return 0;
    }
    const int font = std::atoi(argv[1]);
    const CharSet set(charsetResource(0x100 | font));
    if (font < 1 || font > 12 || !set.valid()) return usage();
    for (int i = 2; i < argc; ++i)
        print(previewText(set, toLatin1(argv[i])));
    return 0;
}

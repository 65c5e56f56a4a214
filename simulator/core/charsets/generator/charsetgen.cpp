// SPDX-License-Identifier: MIT
// charsetgen: turns the text glyph sources into a C++ source holding the binary character
// sets. Run by the build; a malformed source stops the build with "file:line: reason".
//
//   charsetgen OUTPUT.cpp SOURCE.txt...

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "glyphsource.h"

namespace cg = ztk::sim::charsetgen;

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: charsetgen OUTPUT.cpp SOURCE.txt...\n";
        return 2;
    }
    const std::filesystem::path output = argv[1];
    try {
        std::vector<cg::SetSource> sets;
        for (int i = 2; i < argc; ++i) {
            std::ifstream in(argv[i]);
            if (!in) throw cg::SourceError(argv[i], 0, "cannot be read");
            sets.push_back(cg::parseSetSource(in, argv[i]));
        }
        cg::checkSetFamily(sets);
        const std::string text = cg::writeTableSource(sets);

        // Write beside the target and rename, so a failed run never leaves half a file.
        std::filesystem::path partial = output;
        partial += ".part";
        {
            std::ofstream out(partial, std::ios::binary | std::ios::trunc);
            out << text;
            if (!out.flush()) {
                std::cerr << "charsetgen: cannot write " << partial << "\n";
                return 1;
            }
        }
        std::filesystem::rename(partial, output);
    } catch (const cg::SourceError& e) {
        std::cerr << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "charsetgen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

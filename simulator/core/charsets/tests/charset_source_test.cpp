// SPDX-License-Identifier: MIT
// The glyph-source reader and the generator: what a good source becomes, and that each kind
// of malformed source is refused with its file and line.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "glyphsource.h"

namespace cg = ztk::sim::charsetgen;

namespace {

const char* kGoodSource =
    "; two glyphs\n"
    "charset 4 main\n"
    "rows 3\n"
    "bytes 2\n"
    "cell 9\n"
    "spacing 2\n"
    "glyphs 2\n"
    "\n"
    "glyph 0x20\n"
    "..\n"
    "..\n"
    "..\n"
    "\n"
    "glyph 0x21 !\n"
    "#........#\n"
    ".#########\n"
    "#.........\n";

cg::SetSource parse(const std::string& text, const std::string& file = "test.txt") {
    std::istringstream in(text);
    return cg::parseSetSource(in, file);
}

// Replaces the first occurrence of `from` in the good source.
std::string goodWith(const std::string& from, const std::string& to) {
    std::string text = kGoodSource;
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

}  // namespace

TEST(CharsetSource, EncodesTheBinaryLayout) {
    const cg::SetSource set = parse(kGoodSource);
    EXPECT_EQ(set.resourceNumber(), 0x104);
    const std::vector<std::uint8_t> expected = {
        2,  2,    3,    9,    2,                  // header
        2,  0x00, 0x00, 0x00, 0x00, 0x00, 0x00,   // blank, two columns
        10, 0x80, 0x40, 0x7F, 0xC0, 0x80, 0x00};  // "!" ten columns wide
    EXPECT_EQ(cg::encodeSet(set), expected);
}

TEST(CharsetSource, RefusesMalformedSourcesNamingTheLine) {
    struct Case {
        std::string text;
        int line;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {goodWith("#.........\n", ""), 17, "has 2 rows, the set 3"},
        {goodWith("#.........\n", "#.........\n#.........\n"), 18, "more than 3 rows"},
        {goodWith(".#########\n", ".########\n"), 16, "the glyph's first row 10"},
        {goodWith("#........#\n", "#........#.......\n"), 15, "more than 16"},
        {goodWith("glyph 0x21 !", "glyph 0x22"), 14, "must stand for 0x21, not 0x22"},
        {goodWith("glyphs 2", "glyphs 3"), 18, "declares 3 glyphs but has 2"},
        {goodWith("glyphs 2", "glyphs 1"), 14, "more glyphs than the 1 declared"},
        {goodWith("rows 3\n", ""), 8, "lacks \"rows\""},
        {goodWith("rows 3\n", "rows 3\nrows 3\n"), 4, "given twice"},
        {goodWith("rows 3\n", "height 3\n"), 3, "unknown header line"},
        {goodWith("bytes 2", "bytes 3"), 4, "from 1 to 2"},
        {goodWith("cell 9", "cell 17"), 5, "from 1 to 16"},
        {goodWith("bytes 2\ncell 9", "bytes 1\ncell 5"), 15, "more than 8"},
        {goodWith("bytes 2", "bytes 1"), 9, "wider than 1 byte"},
        {goodWith("charset 4 main", "charset 13 main"), 2, "from 1 to 12"},
        {goodWith("charset 4 main", "charset 4 wide"), 9, "exactly 4 glyphs"},
        {goodWith("glyph 0x20\n", ""), 9, "outside a glyph"},
        {goodWith("..\n..\n..\n", "..\n.x\n..\n"), 11, "unexpected line"},
    };
    for (const Case& c : cases) {
        try {
            parse(c.text, "bad.txt");
            ADD_FAILURE() << "accepted:\n" << c.text;
        } catch (const cg::SourceError& e) {
            EXPECT_EQ(e.file(), "bad.txt");
            EXPECT_EQ(e.line(), c.line) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
            EXPECT_EQ(std::string(e.what()).rfind("bad.txt:" + std::to_string(c.line) + ": ", 0),
                      0u)
                << e.what();
        }
    }
}

TEST(CharsetSource, ChecksSetsAgainstTheirMainSet) {
    auto descender = [](int rows, int bytes) {
        std::string text = "charset 4 descender\nrows " + std::to_string(rows) + "\nbytes " +
                           std::to_string(bytes) + "\ncell 9\nspacing 2\nglyphs 6\n";
        for (const char* code : {"0x67", "0x6A", "0x70", "0x71", "0x79", "0x2C"}) {
            text += std::string("glyph ") + code + "\n";
            for (int r = 0; r < rows; ++r)
                text += "#\n";
        }
        return parse(text, "desc.txt");
    };
    const cg::SetSource main = parse(kGoodSource, "main.txt");
    EXPECT_NO_THROW(cg::checkSetFamily({main, descender(5, 2)}));
    EXPECT_THROW(cg::checkSetFamily({main, descender(3, 2)}), cg::SourceError);
    EXPECT_THROW(cg::checkSetFamily({main, descender(5, 1)}), cg::SourceError);
    EXPECT_THROW(cg::checkSetFamily({descender(5, 2)}), cg::SourceError);
    try {
        cg::checkSetFamily({main, parse(kGoodSource, "again.txt")});
        ADD_FAILURE() << "two sources for one resource accepted";
    } catch (const cg::SourceError& e) {
        EXPECT_NE(std::string(e.what()).find("main.txt"), std::string::npos) << e.what();
    }
}

// The generator program as the build runs it: a bad source stops it, names the file and
// line, and leaves no output behind; a good one writes the table.
TEST(CharsetSource, GeneratorFailsTheBuildOnABadSource) {
    const auto dir =
        std::filesystem::temp_directory_path() /
        ("charsetgen-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(dir);
    const auto good = dir / "good.txt";
    const auto bad = dir / "bad.txt";
    const auto out = dir / "out.cpp";
    const auto err = dir / "err.txt";
    std::ofstream(good) << kGoodSource;
    std::ofstream(bad) << goodWith("#.........\n", "#..\n");

    auto run = [&](const std::filesystem::path& source) {
        const std::string command = std::string(CHARSETGEN_PATH) + " " + out.string() + " " +
                                    source.string() + " 2>" + err.string();
        return std::system(command.c_str());
    };
    EXPECT_NE(run(bad), 0);
    std::stringstream message;
    message << std::ifstream(err).rdbuf();
    EXPECT_NE(message.str().find(bad.string() + ":17: "), std::string::npos) << message.str();
    EXPECT_FALSE(std::filesystem::exists(out));

    EXPECT_EQ(run(good), 0);
    std::stringstream table;
    table << std::ifstream(out).rdbuf();
    EXPECT_NE(table.str().find("{0x104, kSet0x104, sizeof kSet0x104}"), std::string::npos)
        << table.str();
    std::filesystem::remove_all(dir);
}

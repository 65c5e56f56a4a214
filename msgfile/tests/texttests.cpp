// SPDX-License-Identifier: MIT
#include "msgfile/text.h"

#include <gtest/gtest.h>

namespace ztk::msgfile {
namespace {

TEST(Text, MaxLenRoundsHalfToEvenAndKeepsTo16Bits) {
    EXPECT_EQ(maxLenFromText("2.5"), 2);
    EXPECT_EQ(maxLenFromText("3.5"), 4);
    EXPECT_EQ(maxLenFromText("2.51"), 3);
    EXPECT_EQ(maxLenFromText("-1"), 0);
    EXPECT_EQ(maxLenFromText("-0.5"), 0);
    EXPECT_EQ(maxLenFromText(" 7 "), 7);
    EXPECT_EQ(maxLenFromText("+12"), 12);
    EXPECT_EQ(maxLenFromText("1e2"), 100);
    EXPECT_EQ(maxLenFromText(".5"), 0);
    EXPECT_EQ(maxLenFromText("32767.4"), 32767);
    EXPECT_EQ(maxLenFromText("-32768"), 0);
    for (const char* bad : {"40000", "32767.5", "-32769", "abc", "", " ", "3a", "1.2.3", "0x10",
                            "inf", "nan", "1e400", "--1", "e5", "."}) {
        EXPECT_FALSE(maxLenFromText(bad)) << bad;
    }
    EXPECT_EQ(toInt16Rounded("-32768"), -32768);
    EXPECT_EQ(toInt16Rounded("-2.5"), -2);
}

TEST(Text, Latin1KeepsOneBytePerCharacter) {
    EXPECT_EQ(utf8ToLatin1("Gr\xc3\xbc\xc3\x9f"
                           "e \xe2\x82\xac 5"),
              "Gr\xfc\xdf"
              "e ? 5");
    EXPECT_EQ(utf8ToLatin1("\x01\x04\x7f\xc2\x80\xc3\xbf"), "\x01\x04\x7f\x80\xff");
    EXPECT_EQ(utf8ToLatin1("\xf0\x9f\x98\x80!"), "?!");
    // Broken UTF-8 gives one "?" per bad byte and never swallows what follows.
    EXPECT_EQ(utf8ToLatin1("a\xc3"), "a?");
    EXPECT_EQ(utf8ToLatin1("\xc3(b"), "?(b");
    EXPECT_EQ(utf8ToLatin1("\xc0\xaf"), "??");         // overlong "/"
    EXPECT_EQ(utf8ToLatin1("\xed\xa0\x80x"), "???x");  // a surrogate
    EXPECT_EQ(utf8ToLatin1("\xff\xfe"), "??");

    std::string encoded;
    for (char32_t ch : {U'A', U'\u00e9', U'\u20ac', U'\U0001F600', char32_t(0xD800)}) {
        appendUtf8(encoded, ch);
    }
    EXPECT_EQ(encoded, "A\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80\xef\xbf\xbd");
}

}  // namespace
}  // namespace ztk::msgfile

// SPDX-License-Identifier: MIT
// Word splitting of call lines.
#include <gtest/gtest.h>

#include "wordsplitter.h"

namespace ztk::host {
namespace {

QStringList words(const QString& line) {
    const SplitResult r = splitWords(line);
    EXPECT_TRUE(r.error.isEmpty()) << line.toStdString() << ": " << r.error.toStdString();
    return r.words;
}

TEST(WordSplitter, QuotesBackslashesHexAndComments) {
    EXPECT_EQ(words("  QuickDisplay  HELLO\tGreen  "),
              QStringList({"QuickDisplay", "HELLO", "Green"}));
    EXPECT_EQ(words(R"(a 'b c' "d e" f\ g)"), QStringList({"a", "b c", "d e", "f g"}));
    EXPECT_EQ(words(R"(x "" '' y)"), QStringList({"x", "", "", "y"}));
    EXPECT_EQ(words(R"(q"u"o'te'd)"), QStringList({"quoted"}));
    EXPECT_EQ(words(R"("say \"hi\" \\ \$ \n")"), QStringList({R"(say "hi" \ $ \n)"}));
    EXPECT_EQ(words(R"('\x41 \' )"), QStringList({R"(\x41 \)"}));
    EXPECT_EQ(words(R"(\x41\x7e "\x01\xFF" \x4)"),
              QStringList({"A~", QString(QChar(1)) + QChar(0xFF), "x4"}));
    EXPECT_EQ(words("Reset # the sign # again"), QStringList({"Reset"}));
    EXPECT_EQ(words("say a#b '#' \\#"), QStringList({"say", "a#b", "#", "#"}));
    EXPECT_TRUE(words("   # only a comment").isEmpty());
}

TEST(WordSplitter, UnfinishedLinesAreErrors) {
    for (const QString line : {R"(QuickDisplay "open)", "Reset 'open", "Reset \\"}) {
        const SplitResult r = splitWords(line);
        EXPECT_FALSE(r.error.isEmpty()) << line.toStdString();
        EXPECT_TRUE(r.words.isEmpty());
    }
}

}  // namespace
}  // namespace ztk::host

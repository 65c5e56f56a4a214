// SPDX-License-Identifier: MIT
#include "msgfile/load.h"
#include "msgfile/lookup.h"
#include "msgfile/names.h"
#include "msgfile/text.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <random>

namespace ztk::msgfile {
namespace {

TEST(Load, StoredBlankReadsBackFromRawByteAndEveryCharacterReference) {
    pugi::xml_document doc;
    ASSERT_FALSE(loadMessageFile(doc, test::dataFile("blanks.xml")));
    for (const char* name : {"raw", "decimal", "hex", "padded"}) {
        const std::string text = findItem(doc, elem::kString, name).item.child_value(elem::kText);
        EXPECT_EQ(blanksToSpaces(text), "a b") << name;
    }
}

TEST(Load, ParseErrorNamesCodeLinePositionAndReason) {
    pugi::xml_document doc;
    auto error = loadMessageBuffer(doc, "<MARQUEE>\n<STRING>x\n  <TEXT>ab</TEXX></STRING>");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, pugi::status_end_element_mismatch);
    EXPECT_EQ(error->line, 3);
    EXPECT_EQ(error->position, 13);  // the "T" of "TEXX"
    EXPECT_EQ(error->reason, "Start-end tags mismatch");
    EXPECT_FALSE(doc.first_child()) << "a failed load leaves no half-read tree";

    // Positions count characters, not the bytes of a multi-byte character.
    error = loadMessageBuffer(doc, "<A>\xc3\xa9\xc3\xa9<</A>");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->position, 7);
    EXPECT_EQ(loadMessageBuffer(doc, "")->code, pugi::status_no_document_element);
}

TEST(Load, MissingFileOrPipeIsAFailureNotAHang) {
    test::TempDir dir;
    pugi::xml_document doc;
    auto error = loadMessageFile(doc, dir.file("absent.xml"));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, pugi::status_file_not_found);
    EXPECT_NE(error->reason.find("absent.xml"), std::string::npos);

    // Opening a pipe that nobody writes to would block for ever.
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    EXPECT_EQ(loadMessageFile(doc, dir.file("pipe"))->code, pugi::status_io_error);
}

TEST(Load, HostileInputIsRefusedAndNeverCrashes) {
    test::TempDir dir;
    pugi::xml_document doc;
    const std::string huge = dir.file("huge.xml");
    test::writeFile(huge, "<MARQUEE>");
    std::filesystem::resize_file(huge, kMaxFileBytes + 1);  // sparse: costs no disk
    EXPECT_EQ(loadMessageFile(doc, huge)->code, kCodeFileTooLarge);

    // Nesting at the limit loads; one level more is refused with its place in the text.
    auto nested = [](int depth) {
        std::string text;
        for (int i = 0; i < depth; ++i)
            text += "<TEXT>\n";
        for (int i = 0; i < depth; ++i)
            text += "</TEXT>";
        return text;
    };
    EXPECT_FALSE(loadMessageBuffer(doc, nested(kMaxDepth)));
    auto error = loadMessageBuffer(doc, nested(kMaxDepth + 1));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, kCodeNestedTooDeep);
    EXPECT_EQ(error->line, kMaxDepth + 1);
    EXPECT_TRUE(loadMessageBuffer(doc, nested(100000)));

    std::mt19937 random(4);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes = round % 2 ? "<MARQUEE><STRING>" : "";
        for (int i = 0; i < 64; ++i)
            bytes += static_cast<char>(byte(random));
        if (loadMessageBuffer(doc, bytes)) {
            EXPECT_FALSE(doc.first_child());
        }
    }
}

TEST(Load, IndentationIsDroppedButBlankDataIsKept) {
    pugi::xml_document doc;
    ASSERT_FALSE(loadMessageFile(doc, test::dataFile("handedited.xml")));
    // Indentation around a VARIABLE would otherwise be rendered as text.
    const pugi::xml_node board = findItem(doc, elem::kTemplate, "Board").item;
    const pugi::xml_node text = board.child(elem::kLine).child(elem::kText);
    EXPECT_STREQ(text.first_child().name(), elem::kVariable);
    EXPECT_FALSE(text.first_child().next_sibling());

    // A rotate line of blanks and an item named by a blank are data.
    const pugi::xml_node pages = findItem(doc, elem::kTemplate, "Pages").item;
    EXPECT_STREQ(pages.child(elem::kPage).child(elem::kRotateLine).child_value(elem::kText), "   ");
    EXPECT_TRUE(findItem(doc, elem::kString, " ").item);
    EXPECT_STREQ(findItem(doc, elem::kAlarm, "Fire").item.child_value(elem::kText), "a<b");
}

}  // namespace
}  // namespace ztk::msgfile

// SPDX-License-Identifier: MIT
#include "msgfile/filecache.h"
#include "msgfile/load.h"
#include "msgfile/lookup.h"
#include "msgfile/names.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <string>

namespace ztk::msgfile {
namespace {

// A window that trusts every stamp at once, for tests of what the stamp itself catches.
constexpr std::int64_t kTrustAtOnce = INT64_MIN / 2;

MessageFileCache trustingCache(std::size_t maxFiles = 4,
                               std::size_t maxBytes = MessageFileCache::kDefaultMaxBytes) {
    return MessageFileCache({maxFiles, maxBytes, kTrustAtOnce});
}

std::string firstText(const MessageFileCache::Result& loaded, const char* element,
                      const char* name) {
    EXPECT_TRUE(loaded.file) << (loaded.error ? loaded.error->reason : "");
    if (!loaded.file) return {};
    return loaded.file->items.find(element, name).item.child_value(elem::kText);
}

void expectSameError(const std::optional<LoadError>& a, const std::optional<LoadError>& b) {
    ASSERT_TRUE(a);
    ASSERT_TRUE(b);
    EXPECT_EQ(a->code, b->code);
    EXPECT_EQ(a->line, b->line);
    EXPECT_EQ(a->position, b->position);
    EXPECT_EQ(a->reason, b->reason);
}

TEST(ItemIndex, FindsWhatTheFullSearchFinds) {
    test::TempDir dir;
    const std::string nested = dir.file("nested.xml");
    // Nested items before root ones, an empty name, a name of blanks, an element as first
    // child, childless items before and after matches, and names repeated across kinds.
    test::writeFile(nested,
                    "<MARQUEE><STRING>b<TEXT>1</TEXT></STRING><GROUP><ALARM/><STRING>a<TEXT>2"
                    "</TEXT><STRING>b<TEXT>3</TEXT></STRING></STRING></GROUP><STRING/>"
                    "<STRING>a<TEXT>4</TEXT></STRING><STRING><![CDATA[]]><TEXT>5</TEXT></STRING>"
                    "<TEMPLATE><LINE/>a</TEMPLATE><TEMPLATE> \n<LINE/></TEMPLATE>"
                    "<ALARM>a<TEXT>6</TEXT></ALARM><ALARM>a<TEXT>7</TEXT></ALARM><ALARM/>"
                    "</MARQUEE>");
    for (const std::string& path :
         {test::dataFile("lookup.xml"), test::dataFile("handedited.xml"), nested}) {
        pugi::xml_document doc;
        ASSERT_FALSE(loadMessageFile(doc, path));
        IndexedMessageFile file;
        ASSERT_FALSE(loadIndexedMessageFile(file, path, 0));
        for (const char* element : {elem::kTemplate, elem::kString, elem::kAlarm}) {
            for (const char* name : {"Main", "main", "MAIN", "Multi", "Odd", "Board", "Pages",
                                     "Fire", " ", " \n", "", "a", "b", "Nope"}) {
                const ItemLookup full = findItem(doc, element, name);
                const ItemLookup indexed = file.items.find(element, name);
                EXPECT_EQ(indexed.corrupt, full.corrupt) << path << " " << element << " " << name;
                // Same place in the text, since the two trees are separate documents.
                EXPECT_EQ(indexed.item.offset_debug(), full.item.offset_debug())
                    << path << " " << element << " " << name;
            }
        }
    }
    IndexedMessageFile file;
    ASSERT_FALSE(loadIndexedMessageFile(file, nested, 0));
    EXPECT_STREQ(file.items.find(elem::kString, "b").item.child_value(elem::kText), "1");
    EXPECT_STREQ(file.items.find(elem::kString, "a").item.child_value(elem::kText), "2");
    EXPECT_FALSE(file.items.find(elem::kString, "a").corrupt);
    EXPECT_TRUE(file.items.find(elem::kAlarm, "a").corrupt);
    EXPECT_FALSE(file.items.find(elem::kLine, "a").item);
}

TEST(IndexedLoad, FailsExactlyAsThePlainLoad) {
    test::TempDir dir;
    // Both file loaders give the same error; for a file of bad text, the one that parsing
    // the same bytes from memory gives.
    auto check = [&](const std::string& path, const std::string* bytes = nullptr) {
        pugi::xml_document doc;
        IndexedMessageFile file;
        const auto plain = loadMessageFile(doc, path);
        expectSameError(loadIndexedMessageFile(file, path, 0), plain);
        EXPECT_FALSE(file.document.first_child());
        if (bytes) expectSameError(plain, loadMessageBuffer(doc, *bytes));
    };
    check(dir.file("absent.xml"));
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    check(dir.file("pipe"));
    check(dir.file(""));  // the folder itself

    // Errors after character references and CR LF line ends, which parsing in place rewrites:
    // line and position are those of the text as it stands in the file.
    const std::string bad =
        "<MARQUEE>\r\n<STRING>a&#10;&#10;b&amp;\r\n<TEXT x=\"&#10;\">\xc3\xa9</TEXT>\r\n"
        "&#10;&#10;&#10;&#10;</STRIN></MARQUEE>";
    test::writeFile(dir.file("bad.xml"), bad);
    check(dir.file("bad.xml"), &bad);
    pugi::xml_document doc;
    const auto error = loadMessageFile(doc, dir.file("bad.xml"));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, 4);
    EXPECT_EQ(error->position, 23);

    std::string deep = "<MARQUEE>\r\n<TEXT>&#10;&#10;&#10;&#10;\r\n";
    for (int i = 0; i < kMaxDepth; ++i)
        deep += "<TEXT>";
    for (int i = 0; i <= kMaxDepth; ++i)
        deep += "</TEXT>";
    deep += "</MARQUEE>";
    test::writeFile(dir.file("deep.xml"), deep);
    check(dir.file("deep.xml"), &deep);
    EXPECT_EQ(loadMessageFile(doc, dir.file("deep.xml"))->line, 3);
    const std::string empty;
    test::writeFile(dir.file("empty.xml"), empty);
    check(dir.file("empty.xml"), &empty);
}

TEST(FileCache, EditsShowAtTheNextLoadEvenWithinTheSameSecond) {
    test::TempDir dir;
    const std::string path = dir.file("items.xml");
    MessageFileCache cache;
    test::writeFile(path, "<MARQUEE><STRING>s<TEXT>old</TEXT></STRING></MARQUEE>");
    EXPECT_EQ(firstText(cache.load(path), elem::kString, "s"), "old");
    // Same size, written at once: neither the size nor a coarse clock would tell.
    test::writeFile(path, "<MARQUEE><STRING>s<TEXT>new</TEXT></STRING></MARQUEE>");
    EXPECT_EQ(firstText(cache.load(path), elem::kString, "s"), "new");
    test::writeFile(path, "<MARQUEE><STRING>s<TEXT>now</TEXT></STRING></MARQUEE>");
    EXPECT_EQ(firstText(cache.load(path), elem::kString, "s"), "now");
    // Where timestamps tick coarsely, a stamp taken this soon after a change could still be
    // the stamp after the next one: such a file is not kept but read again every time.
    EXPECT_EQ(cache.fileCount(), 0u);
    IndexedMessageFile file;
    ASSERT_FALSE(loadIndexedMessageFile(file, path, MessageFileCache::kDefaultSettleWindowNs));
    EXPECT_FALSE(file.settled);
}

TEST(FileCache, ReusesAnUnchangedFileAndSeesEveryChangeOfItsStamp) {
    test::TempDir dir;
    const std::string path = dir.file("items.xml");
    MessageFileCache cache = trustingCache();
    test::writeFile(path, "<MARQUEE><STRING>s<TEXT>one</TEXT></STRING></MARQUEE>");
    const MessageFileCache::Result first = cache.load(path);
    ASSERT_TRUE(first.file);
    EXPECT_EQ(cache.load(path).file, first.file) << "an unchanged file is parsed once";

    // Replaced by a rename with the same size and times: another inode, so another file.
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    test::writeFile(dir.file("next.xml"), "<MARQUEE><STRING>s<TEXT>two</TEXT></STRING></MARQUEE>");
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, dir.file("next.xml").c_str(), times, 0), 0);
    ASSERT_EQ(std::rename(dir.file("next.xml").c_str(), path.c_str()), 0);
    EXPECT_EQ(firstText(cache.load(path), elem::kString, "s"), "two");

    // Rewritten in place with the same size, its modification time one nanosecond on from
    // what it was.
    const MessageFileCache::Result second = cache.load(path);
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    test::writeFile(path, "<MARQUEE><STRING>s<TEXT>six</TEXT></STRING></MARQUEE>");
    timespec later = before.st_mtim;
    later.tv_nsec = (later.tv_nsec + 1) % 1'000'000'000;
    const timespec edited[2] = {before.st_atim, later};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), edited, 0), 0);
    EXPECT_EQ(firstText(cache.load(path), elem::kString, "s"), "six");
    EXPECT_NE(cache.load(path).file, second.file);
    // What was handed out stays whole, whatever the cache has dropped since.
    EXPECT_STREQ(second.file->items.find(elem::kString, "s").item.child_value(elem::kText), "two");

    // Gone: the loader's own error, and nothing of it is kept.
    ASSERT_EQ(std::remove(path.c_str()), 0);
    pugi::xml_document doc;
    expectSameError(cache.load(path).error, loadMessageFile(doc, path));
    EXPECT_EQ(cache.fileCount(), 0u);
}

TEST(FileCache, KeepsAFewFilesUnderItsMemoryCap) {
    test::TempDir dir;
    const std::string small = "<MARQUEE><STRING>s<TEXT>x</TEXT></STRING></MARQUEE>";
    for (const char* name : {"a.xml", "b.xml", "c.xml"})
        test::writeFile(dir.file(name), small);
    MessageFileCache cache = trustingCache(2);
    const auto a = cache.load(dir.file("a.xml")).file;
    const auto b = cache.load(dir.file("b.xml")).file;
    EXPECT_EQ(cache.load(dir.file("a.xml")).file, a);  // a is now the most recently used
    cache.load(dir.file("c.xml"));
    EXPECT_EQ(cache.fileCount(), 2u);
    EXPECT_EQ(cache.load(dir.file("a.xml")).file, a);
    EXPECT_NE(cache.load(dir.file("b.xml")).file, b) << "the least recently used went first";

    // A file larger than the cap is shown but not kept; the others stay.
    std::string large = "<MARQUEE>";
    for (int i = 0; i < 2000; ++i)
        large += "<STRING>s" + std::to_string(i) + "<TEXT x=\"1\">text</TEXT></STRING>";
    test::writeFile(dir.file("large.xml"), large + "</MARQUEE>");
    MessageFileCache capped = trustingCache(4, 64 * 1024);
    capped.load(dir.file("a.xml"));
    EXPECT_TRUE(capped.load(dir.file("large.xml")).file->items.find(elem::kString, "s1999").item);
    EXPECT_EQ(capped.fileCount(), 1u);
    EXPECT_LE(capped.memoryBytes(), 64u * 1024u);
}

}  // namespace
}  // namespace ztk::msgfile

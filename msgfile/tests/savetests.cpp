// SPDX-License-Identifier: MIT
#include "msgfile/load.h"
#include "msgfile/names.h"
#include "msgfile/save.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <iterator>

namespace ztk::msgfile {
namespace {

namespace fs = std::filesystem;

TEST(Save, NewFileIsTheBareRootWithoutIndentation) {
    test::TempDir dir;
    const std::string path = dir.file("new.xml");
    test::writeFile(path, "old content that must go");
    ASSERT_TRUE(createMessageFile(path));
    EXPECT_EQ(test::readFile(path), "<?xml version=\"1.0\"?><MARQUEE/>");

    pugi::xml_document doc;
    ASSERT_FALSE(loadMessageFile(doc, path));
    pugi::xml_node item = doc.document_element().append_child(elem::kString);
    item.append_child(pugi::node_pcdata).set_value("a b");
    item.append_child(elem::kText).text().set("x\x04y");
    ASSERT_TRUE(saveDocument(doc, path));
    EXPECT_EQ(test::readFile(path),
              "<?xml version=\"1.0\"?><MARQUEE><STRING>a b<TEXT>x&#04;y</TEXT></STRING></MARQUEE>");
}

TEST(Save, ReplacingKeepsPermissionsAndLinksAndAFailedWriteKeepsTheOldFile) {
    test::TempDir dir;
    const std::string path = dir.file("kept.xml");
    ASSERT_TRUE(createMessageFile(path));
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, mode);
    const std::string link = dir.file("link.xml");
    fs::create_symlink(path, link);

    pugi::xml_document doc;
    doc.append_child(elem::kMarquee).append_child(elem::kAlarm).text().set("A");
    ASSERT_TRUE(saveDocument(doc, link));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, mode);
    const std::string saved = test::readFile(path);
    EXPECT_EQ(saved, "<?xml version=\"1.0\"?><MARQUEE><ALARM>A</ALARM></MARQUEE>");

    // A write that fails half way (here: the file size limit) leaves the old file whole.
    doc.document_element().append_child(elem::kString).text().set(std::string(4096, 'x').c_str());
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 1024;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const SaveResult failed = saveDocument(doc, path);
    ::setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.errorNumber, EFBIG);
    EXPECT_EQ(test::readFile(path), saved);
    const auto entries = std::distance(fs::directory_iterator(dir.file("")), {});
    EXPECT_EQ(entries, 2) << "no temporary file is left behind";

    const SaveResult missing = saveDocument(doc, dir.file("missing/folder.xml"));
    EXPECT_EQ(missing.errorNumber, ENOENT);
    EXPECT_NE(missing.reason.find("folder.xml"), std::string::npos);
}

// A board of about 4 KB, as a real message file holds.
pugi::xml_document boardDocument(std::size_t strings) {
    pugi::xml_document doc;
    pugi::xml_node root = doc.append_child(elem::kMarquee);
    for (std::size_t i = 0; i < strings; ++i) {
        pugi::xml_node item = root.append_child(elem::kString);
        item.append_child(pugi::node_pcdata).set_value(("Line " + std::to_string(i)).c_str());
        item.append_child(elem::kText).text().set(std::string(60, 'a' + i % 26).c_str());
    }
    return doc;
}

TEST(Save, AFullFileSystemNeverCostsTheOldFile) {
    test::SmallFileSystem fs(64 * 1024, 64);
    if (!fs.mounted()) GTEST_SKIP() << "mounting a small file system needs root";
    const std::string path = fs.file("board.xml");
    ASSERT_TRUE(saveDocument(boardDocument(50), path));
    const std::string before = test::readFile(path);

    // No inode for the new copy: the save fails and says why; the file stays as it was.
    fs.useUpInodes();
    const SaveResult noInode = saveDocument(boardDocument(60), path);
    EXPECT_FALSE(noInode);
    EXPECT_EQ(noInode.errorNumber, ENOSPC);
    EXPECT_NE(noInode.reason.find("board.xml"), std::string::npos) << noInode.reason;
    EXPECT_EQ(test::readFile(path), before);

    // A new file that cannot be made leaves nothing behind.
    EXPECT_FALSE(saveDocument(boardDocument(1), fs.file("new.xml")));
    EXPECT_FALSE(std::filesystem::exists(fs.file("new.xml")));
}

TEST(Save, NoRoomForTheNewContentKeepsTheOldFile) {
    test::SmallFileSystem fs(64 * 1024, 1000);
    if (!fs.mounted()) GTEST_SKIP() << "mounting a small file system needs root";
    const std::string path = fs.file("board.xml");
    ASSERT_TRUE(saveDocument(boardDocument(50), path));
    const std::string before = test::readFile(path);
    const SaveResult tooBig = saveDocument(boardDocument(2000), path);
    EXPECT_FALSE(tooBig);
    EXPECT_EQ(tooBig.errorNumber, ENOSPC);
    EXPECT_EQ(test::readFile(path), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(fs.file("")), {}), 1);
}

TEST(Save, AFolderThatCannotBeWrittenRewritesTheFileOnlyWhenTheSpaceIsReserved) {
    // Roomy folder: the save rewrites the writable file in place.
    test::TempDir dir;
    const std::string path = dir.file("board.xml");
    ASSERT_TRUE(saveDocument(boardDocument(5), path));
    test::openToEveryone(dir.file(""));
    const std::string expected = serializeDocument(boardDocument(40));
    const int roomy = test::runUnprivileged([&] {
        ::chmod(dir.file("").c_str(), 0555);
        return saveDocument(boardDocument(40), path) ? 0 : 1;
    });
    EXPECT_EQ(roomy, 0);
    EXPECT_EQ(test::readFile(path), expected);

    // Full file system under a read-only folder: refused before a byte is overwritten.
    test::SmallFileSystem fs(32 * 1024, 1000);
    if (!fs.mounted()) GTEST_SKIP() << "mounting a small file system needs root";
    const std::string small = fs.file("board.xml");
    ASSERT_TRUE(saveDocument(boardDocument(20), small));
    const std::string before = test::readFile(small);
    test::openToEveryone(fs.file(""));
    const int full = test::runUnprivileged([&] {
        ::chmod(fs.file("").c_str(), 0555);
        const SaveResult r = saveDocument(boardDocument(2000), small);
        return !r && r.errorNumber == ENOSPC ? 0 : 1;
    });
    EXPECT_EQ(full, 0);
    EXPECT_EQ(test::readFile(small), before);
}

}  // namespace
}  // namespace ztk::msgfile

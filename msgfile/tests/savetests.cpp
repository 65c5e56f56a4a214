#include "msgfile/load.h"
#include "msgfile/names.h"
#include "msgfile/save.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

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

}  // namespace
}  // namespace ztk::msgfile

#include "msgfile/load.h"
#include "msgfile/names.h"
#include "msgfile/save.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <filesystem>

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

TEST(Save, ReplacingKeepsPermissionsAndLinksAndFailuresKeepTheOldFile) {
    test::TempDir dir;
    const std::string path = dir.file("kept.xml");
    ASSERT_TRUE(createMessageFile(path));
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const std::string link = dir.file("link.xml");
    fs::create_symlink(path, link);

    pugi::xml_document doc;
    doc.append_child(elem::kMarquee).append_child(elem::kAlarm).text().set("A");
    ASSERT_TRUE(saveDocument(doc, link));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(test::readFile(path), "<?xml version=\"1.0\"?><MARQUEE><ALARM>A</ALARM></MARQUEE>");
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.file("")))
        ++entries;
    EXPECT_EQ(entries, 2) << "no temporary file is left behind";

    // Failures are reported with the system's reason, never as success.
    SaveResult result = saveDocument(doc, dir.file("missing/folder.xml"));
    EXPECT_FALSE(result);
    EXPECT_EQ(result.errorNumber, ENOENT);
    EXPECT_NE(result.reason.find("folder.xml"), std::string::npos);
    fs::create_directory(dir.file("dir.xml"));
    EXPECT_FALSE(saveDocument(doc, dir.file("dir.xml")));
}

}  // namespace
}  // namespace ztk::msgfile

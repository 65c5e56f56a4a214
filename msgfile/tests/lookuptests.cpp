#include "msgfile/load.h"
#include "msgfile/lookup.h"
#include "msgfile/names.h"
#include "testfiles.h"

#include <gtest/gtest.h>

namespace ztk::msgfile {
namespace {

class Lookup : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_FALSE(loadMessageFile(doc, test::dataFile("lookup.xml"))); }
    std::string firstText(const ItemLookup& lookup) {
        return lookup.item.child(elem::kText).text().get();
    }
    pugi::xml_document doc;
};

TEST_F(Lookup, TakesTheFirstExactMatchAtAnyDepth) {
    // The nested "Main" comes first in document order; "main" differs in case only.
    ItemLookup found = findItem(doc, elem::kString, "Main");
    EXPECT_EQ(firstText(found), "first");
    EXPECT_FALSE(found.corrupt);
    EXPECT_EQ(firstText(findItem(doc, elem::kString, "main")), "lower");
    EXPECT_FALSE(findItem(doc, elem::kString, "MAIN").item);
    // A name is the first child only: a TEXT holding "Main" does not name its item.
    EXPECT_EQ(elementsByName(doc, elem::kString).size(), 5u);
    // Item kinds have their own names: a template named Main is not a string.
    EXPECT_TRUE(findItem(doc, elem::kTemplate, "Main").item.child(elem::kLine));
}

TEST_F(Lookup, ChildlessItemBeforeTheMatchMarksTheFileCorrupt) {
    const ItemLookup missing = findItem(doc, elem::kString, "Nope");
    EXPECT_FALSE(missing.item);
    EXPECT_TRUE(missing.corrupt);
    EXPECT_FALSE(findItem(doc, elem::kTemplate, "Nope").corrupt);
}

TEST_F(Lookup, TemplateTypeIsComparedExactly) {
    EXPECT_EQ(templateKind(findItem(doc, elem::kTemplate, "Main").item), TemplateKind::SinglePage);
    EXPECT_EQ(templateKind(findItem(doc, elem::kTemplate, "Multi").item), TemplateKind::Multipage);
    EXPECT_EQ(templateKind(findItem(doc, elem::kTemplate, "Odd").item), TemplateKind::Unknown);
}

}  // namespace
}  // namespace ztk::msgfile

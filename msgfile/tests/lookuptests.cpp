// SPDX-License-Identifier: MIT
#include "msgfile/load.h"
#include "msgfile/lookup.h"
#include "msgfile/names.h"
#include "testfiles.h"

#include <gtest/gtest.h>

namespace ztk::msgfile {
namespace {

TEST(Lookup, TakesTheFirstExactMatchAtAnyDepth) {
    pugi::xml_document doc;
    ASSERT_FALSE(loadMessageFile(doc, test::dataFile("lookup.xml")));
    auto firstText = [&](const char* name) {
        return std::string(findItem(doc, elem::kString, name).item.child_value(elem::kText));
    };
    // The nested "Main" comes first in document order; "main" differs in case only.
    EXPECT_EQ(firstText("Main"), "first");
    EXPECT_EQ(firstText("main"), "lower");
    EXPECT_FALSE(findItem(doc, elem::kString, "MAIN").item);
    EXPECT_FALSE(findItem(doc, elem::kString, "Main").corrupt);
    // A TEXT holding "Main" does not name its item; each kind has its own names.
    EXPECT_EQ(elementsByName(doc, elem::kString).size(), 5u);
    EXPECT_TRUE(findItem(doc, elem::kTemplate, "Main").item.child(elem::kLine));

    // An item without any child node met on the way marks the file corrupt.
    EXPECT_TRUE(findItem(doc, elem::kString, "Nope").corrupt);
    EXPECT_FALSE(findItem(doc, elem::kTemplate, "Nope").corrupt);

    EXPECT_EQ(templateKind(findItem(doc, elem::kTemplate, "Main").item), TemplateKind::SinglePage);
    EXPECT_EQ(templateKind(findItem(doc, elem::kTemplate, "Multi").item), TemplateKind::Multipage);
    EXPECT_EQ(templateKind(findItem(doc, elem::kTemplate, "Odd").item), TemplateKind::Unknown);
}

}  // namespace
}  // namespace ztk::msgfile

// SPDX-License-Identifier: MIT
#include "legendotestsupport.h"

#include "legendo/openfilelist.h"

namespace ztk::legendo::testing {

void clearStoredList() {
    ASSERT_TRUE(writeOpenFileList({}));
}

LegendoTest::LegendoTest() {
    clearStoredList();
    model.setEditors(&templateEditor, &multipageEditor, &stringEditor);
}

LegendoTest::~LegendoTest() {
    clearStoredList();
}

std::string LegendoTest::writeFile(const std::string& name, const std::string& content) {
    const std::string path = dir.file(name);
    msgfile::test::writeFile(path, content);
    return path;
}

}  // namespace ztk::legendo::testing

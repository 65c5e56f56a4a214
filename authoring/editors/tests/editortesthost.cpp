// SPDX-License-Identifier: MIT
#include "editortesthost.h"

#include <fstream>
#include <sstream>

namespace ztk::legendo::test {

std::u32string boardRow(const TemplateEditorModel& model, int row) {
    std::u32string text;
    for (int c = 0; c < model.board().cols(); ++c)
        text += model.board().at({row, c}).ch;
    return text;
}

std::string EditorTest::path(const std::string& name) const {
    return dir_.filePath(QString::fromStdString(name)).toStdString();
}

std::string EditorTest::writeFile(const std::string& items, const std::string& name) {
    const std::string file = path(name);
    std::ofstream(file, std::ios::binary) << "<MARQUEE>" << items << "</MARQUEE>";
    return file;
}

std::string EditorTest::readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

}  // namespace ztk::legendo::test

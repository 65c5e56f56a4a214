#include "editortesthost.h"

#include <fstream>
#include <sstream>

namespace ztk::legendo::test {

Answer ScriptedPrompter::message(const std::string& text, const std::string& title, Icon icon,
                                 Buttons buttons) {
    shown_.push_back({text, title, icon, buttons});
    if (buttons == Buttons::Ok) return Answer::Ok;
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected question: " << text;
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    const Answer next = answers_.front();
    answers_.pop_front();
    return next;
}

std::vector<std::string> ScriptedPrompter::takeTexts() {
    std::vector<std::string> texts;
    for (const ShownMessage& shown : shown_)
        texts.push_back(shown.text);
    shown_.clear();
    return texts;
}

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

// Loading and saving a full 24 x 120 template through the template editor's model: the
// file read, the board filled, and the board written back and saved whole.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <string>

#include "model/templatesession.h"
#include "modelhost.h"
#include "msgfile/save.h"
#include "msgfile/writers.h"

namespace ztk::legendo {
namespace {

constexpr int kRows = 24;
constexpr int kCols = 120;

// A board of text in the three colours with a ten-cell field on every row.
msgfile::TemplateContent fullBoard() {
    msgfile::TemplateContent content;
    content.board = msgfile::Board(kRows, kCols);
    const msgfile::Rgb colors[] = {msgfile::kRgbRed, msgfile::kRgbGreen, msgfile::kRgbAmber};
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kCols; ++c) {
            content.board.at(r, c) = {static_cast<char32_t>(U'A' + (r + c) % 26), colors[c / 7 % 3],
                                      false};
        }
        msgfile::addVariableField(content, {r, 50, 10, "field" + std::to_string(r)},
                                  msgfile::kRgbAmber);
    }
    return content;
}

struct Fixture {
    Fixture() {
        file = dir.filePath(QStringLiteral("board.xml")).toStdString();
        pugi::xml_document doc;
        msgfile::resetToNewFile(doc);
        pugi::xml_node templ = doc.document_element().append_child("TEMPLATE");
        templ.append_child(pugi::node_pcdata).set_value("Board");
        templ.append_attribute("rows").set_value(kRows);
        templ.append_attribute("cols").set_value(kCols);
        msgfile::WriteTemplate(templ, fullBoard());
        msgfile::saveDocument(doc, file);
        host.select(file, "Templates", "Board");
    }
    QTemporaryDir dir;
    std::string file;
    test::SilentPrompter prompter;
    test::ModelHost host{prompter};
    TemplateEditorModel model{host};
};

void BM_LoadTemplate24x120(benchmark::State& state) {
    Fixture fixture;
    for (auto _ : state) {
        fixture.model.reset();
        if (!loadTemplate(fixture.model, fixture.host)) state.SkipWithError("load failed");
    }
}
BENCHMARK(BM_LoadTemplate24x120)->Unit(benchmark::kMillisecond);

void BM_SaveTemplate24x120(benchmark::State& state) {
    Fixture fixture;
    fixture.model.reset();
    loadTemplate(fixture.model, fixture.host);
    for (auto _ : state) {
        if (!saveTemplate(fixture.model, fixture.host)) state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveTemplate24x120)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ztk::legendo

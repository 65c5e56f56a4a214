// SPDX-License-Identifier: MIT
// legendo's paths as a user meets them: a message file of 2,000 items opening in the
// explorer (the model's tree alone, and with the window's tree widget), and a full 24 x 120
// template loaded and saved, by the editor's model alone and from the window's explorer
// and Save button.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include <string>

#include "legendo/nodekey.h"
#include "mainwindow.h"
#include "model/templatesession.h"
#include "modelhost.h"
#include "msgfile/save.h"
#include "msgfile/writers.h"

namespace ztk::legendo {
namespace {

constexpr int kItems = 2000;
constexpr int kRows = 24;
constexpr int kCols = 120;

// Settings and files of the measurement live in a folder of their own.
QTemporaryDir& workFolder() {
    static QTemporaryDir folder;
    return folder;
}

std::string workFile(const char* name) {
    return workFolder().filePath(QString::fromLatin1(name)).toStdString();
}

pugi::xml_node addItem(pugi::xml_document& doc, const char* element, const std::string& name) {
    pugi::xml_node item = doc.document_element().append_child(element);
    item.append_child(pugi::node_pcdata).set_value(name.c_str());
    return item;
}

// 2,000 items of the four kinds, each with a little content, in an order the explorer
// has to sort.
std::string manyItemsFile() {
    const std::string path = workFile("many.xml");
    pugi::xml_document doc;
    msgfile::resetToNewFile(doc);
    for (int i = 0; i < kItems; ++i) {
        const std::string name = "Item " + std::to_string((i * 7919) % kItems);
        switch (i % 4) {
            case 0:
                addItem(doc, "TEMPLATE", name).append_child("LINE");
                break;
            case 1:
                addItem(doc, "TEMPLATE", name).append_attribute("type").set_value("multipage");
                break;
            case 2:
                addItem(doc, "STRING", name).append_child("TEXT").text().set("Hello");
                break;
            default:
                addItem(doc, "ALARM", name).append_child("TEXT").text().set("Fire");
                break;
        }
    }
    msgfile::saveDocument(doc, path);
    return path;
}

// A board of text in the three colours with a ten-cell field on every row.
std::string fullBoardFile() {
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
    const std::string path = workFile("board.xml");
    pugi::xml_document doc;
    msgfile::resetToNewFile(doc);
    pugi::xml_node templ = addItem(doc, "TEMPLATE", "Board");
    templ.append_attribute("rows").set_value(kRows);
    templ.append_attribute("cols").set_value(kCols);
    msgfile::WriteTemplate(templ, content);
    msgfile::saveDocument(doc, path);
    return path;
}

void BM_OpenManyItemsInTheModel(benchmark::State& state) {
    const std::string path = manyItemsFile();
    test::SilentPrompter prompter;
    test::ModelHost host(prompter);
    host.startUp();
    for (auto _ : state) {
        if (!host.loadMessageFile(path)) state.SkipWithError("load failed");
        state.PauseTiming();
        host.removeMessageFile();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenManyItemsInTheModel)->Unit(benchmark::kMillisecond);

void BM_OpenManyItemsInTheWindow(benchmark::State& state) {
    const std::string path = manyItemsFile();
    test::SilentPrompter prompter;
    MainWindow window(prompter);
    window.show();
    window.startUp({});
    for (auto _ : state) {
        if (!window.model().loadMessageFile(path)) state.SkipWithError("load failed");
        QApplication::processEvents();
        state.PauseTiming();
        window.model().removeMessageFile();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenManyItemsInTheWindow)->Unit(benchmark::kMillisecond);

struct BoardModel {
    BoardModel() : path(fullBoardFile()) { host.select(path, kTemplatesFolder, "Board"); }
    test::SilentPrompter prompter;
    test::ModelHost host{prompter};
    std::string path;
    TemplateEditorModel model{host};
};

void BM_LoadTemplate24x120(benchmark::State& state) {
    BoardModel board;
    for (auto _ : state) {
        board.model.reset();
        if (!loadTemplate(board.model, board.host)) state.SkipWithError("load failed");
    }
}
BENCHMARK(BM_LoadTemplate24x120)->Unit(benchmark::kMillisecond);

void BM_SaveTemplate24x120(benchmark::State& state) {
    BoardModel board;
    board.model.reset();
    loadTemplate(board.model, board.host);
    for (auto _ : state) {
        if (!saveTemplate(board.model, board.host)) state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveTemplate24x120)->Unit(benchmark::kMillisecond);

struct BoardWindow {
    BoardWindow()
        : path(fullBoardFile()), key(itemKey(folderKey(path, kTemplatesFolder), "Board")) {
        window.show();
        window.startUp({path});
    }
    // Opens the template from the explorer, as a click on its node does.
    void open() {
        window.model().nodeClick(kRootKey);
        window.model().nodeClick(key);
        QApplication::processEvents();
    }
    test::SilentPrompter prompter;
    MainWindow window{prompter};
    std::string path;
    std::string key;
};

void BM_OpenTemplate24x120InTheWindow(benchmark::State& state) {
    BoardWindow board;
    for (auto _ : state) {
        board.open();
        if (board.window.frontPanel() != Panel::Template) state.SkipWithError("not opened");
    }
}
BENCHMARK(BM_OpenTemplate24x120InTheWindow)->Unit(benchmark::kMillisecond);

void BM_SaveTemplate24x120FromTheWindow(benchmark::State& state) {
    BoardWindow board;
    board.open();
    auto* save = board.window.findChild<QPushButton*>(QStringLiteral("cmdTemplateSave"));
    if (!save) state.SkipWithError("no Save button");
    for (auto _ : state) {
        board.window.model().setChanged(true);
        save->click();
        if (board.window.model().selection().changed) state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveTemplate24x120FromTheWindow)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ztk::legendo

int main(int argc, char** argv) {
    if (!ztk::legendo::workFolder().isValid()) return 1;
    const QByteArray folder = ztk::legendo::workFolder().path().toLocal8Bit();
    qputenv("HOME", folder);
    qputenv("XDG_CONFIG_HOME", folder + "/config");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

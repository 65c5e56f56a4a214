// Cost of reading a message file the way every display does: load the whole file from disk
// and look the item up, on a file of 2,000 mixed items with the wanted template last.
#include "msgfile/load.h"
#include "msgfile/lookup.h"
#include "msgfile/names.h"
#include "msgfile/save.h"
#include "msgfile/writers.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

using namespace ztk::msgfile;

pugi::xml_node addItem(pugi::xml_document& doc, const char* element, const std::string& name) {
    pugi::xml_node item = doc.document_element().append_child(element);
    item.append_child(pugi::node_pcdata).set_value(name.c_str());
    return item;
}

std::string writeMixedFile() {
    pugi::xml_document doc;
    resetToNewFile(doc);
    TemplateContent board{Board(4, 20), {}, "S7"};
    board.board.put(0, 0, U"Line one of the board", kRgbGreen);
    addVariableField(board, {1, 5, 6, "count"}, kRgbAmber);
    const DisplayBoxes boxes{"3", "--", "Rotate", "Top", "S7"};
    for (int i = 0; i < 1999; ++i) {
        const std::string name = "item" + std::to_string(i);
        switch (i % 3) {
            case 0:
                WriteTemplate(addItem(doc, elem::kTemplate, name), board);
                break;
            case 1:
                WriteString(addItem(doc, elem::kString, name), {{"Made <count> today", kRgbRed}},
                            boxes);
                break;
            default:
                WriteAlarm(addItem(doc, elem::kAlarm, name), {{"Line stopped", kRgbRed}}, boxes);
        }
    }
    WriteTemplate(addItem(doc, elem::kTemplate, "Wanted"), board);
    const auto path = std::filesystem::temp_directory_path() / "msgfile-bench-mixed.xml";
    saveDocument(doc, path.string());
    return path.string();
}

void BM_LoadAndFindLastTemplate(benchmark::State& state) {
    const std::string path = writeMixedFile();
    for (auto _ : state) {
        pugi::xml_document doc;
        if (loadMessageFile(doc, path)) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(findItem(doc, elem::kTemplate, "Wanted").item);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
    std::remove(path.c_str());
}
BENCHMARK(BM_LoadAndFindLastTemplate)->Unit(benchmark::kMillisecond);

}  // namespace

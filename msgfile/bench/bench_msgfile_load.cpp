// SPDX-License-Identifier: MIT
// Cost of reading a message file: loading it whole and looking the item up, as the authoring
// program does, and, for the control, loading it with its item index (a file shown for the
// first time or changed) or finding it unchanged in the cache (every later display). Files
// of 10 to 10,000 mixed items with the wanted template last.
#include "mixedfile.h"
#include "msgfile/load.h"
#include "msgfile/lookup.h"
#include "msgfile/names.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <thread>

#if __has_include("msgfile/filecache.h")
#include "msgfile/filecache.h"
#define ZTK_HAVE_FILE_CACHE 1
#endif

namespace {

using namespace ztk::msgfile;

constexpr int kFileSizes[] = {10, 100, 1000, 2000, 10000};

// The files of every size, written on first use and left long enough to count as settled;
// removed at exit.
struct MixedFiles {
    MixedFiles() {
        for (const int items : kFileSizes) {
            const auto path = std::filesystem::temp_directory_path() /
                              ("msgfile-bench-mixed" + std::to_string(items) + ".xml");
            bench::writeMixedFile(path.string(), items);
            paths.emplace(items, path.string());
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(3500));
    }
    ~MixedFiles() {
        for (const auto& [items, path] : paths)
            std::remove(path.c_str());
    }
    std::map<int, std::string> paths;
};

const std::string& mixedFile(int items) {
    static const MixedFiles files;
    return files.paths.at(items);
}

// Runs a case on every file size.
void fileSizes(benchmark::internal::Benchmark* load) {
    load->ArgName("items");
    for (const int items : kFileSizes)
        load->Arg(items);
}

void setBytes(benchmark::State& state, const std::string& path) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
}

void BM_LoadAndFindLastTemplate(benchmark::State& state) {
    const std::string& path = mixedFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        pugi::xml_document doc;
        if (loadMessageFile(doc, path)) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(findItem(doc, elem::kTemplate, "Wanted").item);
    }
    setBytes(state, path);
}
BENCHMARK(BM_LoadAndFindLastTemplate)->Apply(fileSizes)->Unit(benchmark::kMicrosecond);

#ifdef ZTK_HAVE_FILE_CACHE
void BM_LoadIndexedAndFindLastTemplate(benchmark::State& state) {
    const std::string& path = mixedFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        IndexedMessageFile file;
        if (loadIndexedMessageFile(file, path, 0)) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(file.items.find(elem::kTemplate, "Wanted").item);
    }
    setBytes(state, path);
}
BENCHMARK(BM_LoadIndexedAndFindLastTemplate)->Apply(fileSizes)->Unit(benchmark::kMicrosecond);

void BM_CachedFindLastTemplate(benchmark::State& state) {
    const std::string& path = mixedFile(static_cast<int>(state.range(0)));
    MessageFileCache cache;
    if (cache.load(path).error) state.SkipWithError("load failed");
    for (auto _ : state) {
        const MessageFileCache::Result loaded = cache.load(path);
        benchmark::DoNotOptimize(loaded.file->items.find(elem::kTemplate, "Wanted").item);
    }
    if (cache.fileCount() != 1) state.SkipWithError("the file was not kept");
}
BENCHMARK(BM_CachedFindLastTemplate)->Apply(fileSizes)->Unit(benchmark::kMicrosecond);
#endif

}  // namespace

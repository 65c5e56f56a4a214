// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes through loading, item lookup and a recursive walk of the tree, the
// way the control and the authoring program read a message file. The same bytes are also
// loaded from a file the way the control does (parsed in place and indexed): the outcome,
// and every item found, must be the same.
#include "msgfile/filecache.h"
#include "msgfile/load.h"
#include "msgfile/lookup.h"
#include "msgfile/names.h"
#include "msgfile/text.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace ztk::msgfile;

// Recursion is safe here only because loading refuses documents nested too deeply.
std::size_t walk(pugi::xml_node node, int depth) {
    std::size_t seen = 1;
    if (depth > kMaxDepth + 1) __builtin_trap();
    for (pugi::xml_attribute attribute : node.attributes()) {
        seen += maxLenFromText(attribute.value()).value_or(0) > 0 ? 1 : 0;
        seen += utf8ToLatin1(attribute.value()).size();
    }
    seen += utf8ToLatin1(blanksToSpaces(node.value())).size();
    for (pugi::xml_node child : node.children()) {
        seen += walk(child, node.type() == pugi::node_element ? depth + 1 : depth);
    }
    return seen;
}

// A file of this process that holds the current input; removed at exit.
struct InputFile {
    InputFile() {
        const int fd = ::mkstemp(path.data());
        if (fd < 0) std::abort();
        ::close(fd);
    }
    ~InputFile() { std::remove(path.c_str()); }
    std::string path = "/tmp/fuzz-msgfile-XXXXXX";
};

const std::string& inputFile(std::string_view bytes) {
    static const InputFile file;
    std::FILE* out = std::fopen(file.path.c_str(), "wb");
    if (!out || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size()) std::abort();
    std::fclose(out);
    return file.path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    pugi::xml_document doc;
    const auto error = loadMessageBuffer(doc, bytes);
    IndexedMessageFile file;
    const auto fileError = loadIndexedMessageFile(file, inputFile(bytes), 0);
    if (error.has_value() != fileError.has_value()) __builtin_trap();
    if (error) {
        if (error->code != fileError->code || error->line != fileError->line ||
            error->position != fileError->position || error->reason != fileError->reason) {
            __builtin_trap();
        }
        return 0;
    }
    volatile std::size_t sink = walk(doc, 0);
    for (const char* element : {elem::kTemplate, elem::kString, elem::kAlarm}) {
        for (pugi::xml_node item : elementsByName(doc, element)) {
            const std::string name = itemName(item);
            const ItemLookup lookup = findItem(doc, element, name);
            if (!name.empty() && !lookup.item) __builtin_trap();
            // The two documents hold the same text: the same item sits at the same place.
            const ItemLookup indexed = file.items.find(element, name);
            if (indexed.item.offset_debug() != lookup.item.offset_debug() ||
                indexed.corrupt != lookup.corrupt) {
                __builtin_trap();
            }
            sink = sink + static_cast<std::size_t>(templateKind(lookup.item));
        }
    }
    (void)sink;
    return 0;
}

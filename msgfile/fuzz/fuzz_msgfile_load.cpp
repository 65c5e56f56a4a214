// Feeds arbitrary bytes through loading, item lookup and a recursive walk of the tree, the
// way the control and the authoring program read a message file.
#include "msgfile/load.h"
#include "msgfile/lookup.h"
#include "msgfile/names.h"
#include "msgfile/text.h"

#include <cstddef>
#include <cstdint>
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    pugi::xml_document doc;
    if (loadMessageBuffer(doc, bytes)) return 0;
    volatile std::size_t sink = walk(doc, 0);
    for (const char* element : {elem::kTemplate, elem::kString, elem::kAlarm}) {
        for (pugi::xml_node item : elementsByName(doc, element)) {
            const std::string name = itemName(item);
            const ItemLookup lookup = findItem(doc, element, name);
            if (!name.empty() && !lookup.item) __builtin_trap();
            sink = sink + static_cast<std::size_t>(templateKind(lookup.item));
        }
    }
    (void)sink;
    return 0;
}

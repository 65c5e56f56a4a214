// SPDX-License-Identifier: MIT
#include "writerinternals.h"

#include "msgfile/names.h"

#include <algorithm>

namespace ztk::msgfile::detail {

pugi::xml_node appendElement(pugi::xml_node parent, const char* name) {
    if (!parent) throw WriterFailure(kErrNoElement, "No element to write into");
    const pugi::xml_node child = parent.append_child(name);
    if (!child) throw WriterFailure(kErrOutOfMemory, "Could not add element " + std::string(name));
    return child;
}

void appendText(pugi::xml_node parent, const std::string& text) {
    // XML cannot hold U+0000; dropping it keeps the text after it.
    std::string stored = text;
    std::erase(stored, '\0');
    pugi::xml_node node = parent.append_child(pugi::node_pcdata);
    if (!node || !node.set_value(stored.c_str())) {
        throw WriterFailure(kErrOutOfMemory, "Could not add text");
    }
}

void setAttribute(pugi::xml_node node, const char* name, const std::string& value) {
    pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute) attribute = node.append_attribute(name);
    if (!attribute || !attribute.set_value(value.c_str())) {
        throw WriterFailure(kErrOutOfMemory, "Could not set attribute " + std::string(name));
    }
}

}  // namespace ztk::msgfile::detail

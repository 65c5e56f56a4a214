// SPDX-License-Identifier: MIT
#pragma once
// Small questions the editors' loaders ask of message-file nodes.

#include <string_view>

#include <pugixml.hpp>

namespace ztk::legendo {

// A text node (character data or a CDATA section).
inline bool isTextNode(pugi::xml_node node) {
    return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

// An element whose name is exactly `name`.
inline bool isElement(pugi::xml_node node, const char* name) {
    return node.type() == pugi::node_element && std::string_view(node.name()) == name;
}

}  // namespace ztk::legendo

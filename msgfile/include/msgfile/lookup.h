// SPDX-License-Identifier: MIT
#pragma once
// Finding items and reading values in a loaded message file.

#include <pugixml.hpp>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ztk::msgfile {

// Every element named `name` below `root`, at any depth, in document order.
std::vector<pugi::xml_node> elementsByName(pugi::xml_node root, std::string_view name);

// An item's name: the value of its first child node when that is text, else empty.
std::string itemName(pugi::xml_node item);

// The result of looking an item up by name.
struct ItemLookup {
    // The first element in document order whose name matches exactly; empty when none.
    pugi::xml_node item;
    // An element of the wanted kind without any child node was met before the match (or
    // anywhere, when nothing matched): the authoring program treats the file as corrupt.
    bool corrupt = false;
};

// Looks for the first `element` (TEMPLATE, STRING or ALARM) anywhere below `root` whose
// first child node is text equal to `wanted` (case-sensitive).
ItemLookup findItem(pugi::xml_node root, std::string_view element, std::string_view wanted);

// How a TEMPLATE element is to be read.
enum class TemplateKind {
    SinglePage,  // no `type` attribute
    Multipage,   // `type` is exactly "multipage"
    Unknown,     // any other `type`: nothing of it is shown
};
TemplateKind templateKind(pugi::xml_node templ);

// The attribute's value, or nothing when the element does not carry it.
std::optional<std::string> attributeValue(pugi::xml_node node, const char* name);

// The attribute's value, or `fallback` when the element does not carry it.
std::string attributeOr(pugi::xml_node node, const char* name, std::string_view fallback);

}  // namespace ztk::msgfile

// SPDX-License-Identifier: MIT
#include "msgfile/lookup.h"

#include "msgfile/names.h"

namespace ztk::msgfile {
namespace {

bool isText(pugi::xml_node node) {
    return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

// Visits the elements below `root` in document order without recursion (pugixml's own
// traversal, which steps through the tree far more cheaply than its node accessors do);
// stops when `visit` returns false.
template <typename Visit>
void forEachElement(pugi::xml_node root, Visit visit) {
    struct Walker final : pugi::xml_tree_walker {
        explicit Walker(Visit& visitElement) : visit(visitElement) {}
        bool for_each(pugi::xml_node& node) override {
            return node.type() != pugi::node_element || visit(node);
        }
        Visit& visit;
    } walker(visit);
    root.traverse(walker);
}

}  // namespace

std::vector<pugi::xml_node> elementsByName(pugi::xml_node root, std::string_view name) {
    std::vector<pugi::xml_node> found;
    forEachElement(root, [&](pugi::xml_node node) {
        if (name == node.name()) found.push_back(node);
        return true;
    });
    return found;
}

std::string itemName(pugi::xml_node item) {
    const pugi::xml_node first = item.first_child();
    return isText(first) ? first.value() : std::string();
}

ItemLookup findItem(pugi::xml_node root, std::string_view element, std::string_view wanted) {
    ItemLookup lookup;
    forEachElement(root, [&](pugi::xml_node node) {
        if (element != node.name()) return true;
        const pugi::xml_node first = node.first_child();
        if (!first) {
            lookup.corrupt = true;
        } else if (isText(first) && wanted == first.value()) {
            lookup.item = node;
            return false;
        }
        return true;
    });
    return lookup;
}

TemplateKind templateKind(pugi::xml_node templ) {
    const pugi::xml_attribute type = templ.attribute(attr::kType);
    if (!type) return TemplateKind::SinglePage;
    return std::string_view(type.value()) == kMultipage ? TemplateKind::Multipage
                                                        : TemplateKind::Unknown;
}

std::optional<std::string> attributeValue(pugi::xml_node node, const char* name) {
    const pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute) return std::nullopt;
    return std::string(attribute.value());
}

std::string attributeOr(pugi::xml_node node, const char* name, std::string_view fallback) {
    const pugi::xml_attribute attribute = node.attribute(name);
    return attribute ? std::string(attribute.value()) : std::string(fallback);
}

}  // namespace ztk::msgfile

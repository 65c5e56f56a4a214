// SPDX-License-Identifier: MIT
#include "msgfile/itemindex.h"

#include <bit>
#include <functional>

#include "msgfile/names.h"

namespace ztk::msgfile {

int ItemIndex::kindOf(std::string_view element) {
    if (element == elem::kTemplate) return 0;
    if (element == elem::kString) return 1;
    if (element == elem::kAlarm) return 2;
    return -1;
}

void ItemIndex::add(pugi::xml_node element, const char* name) {
    // Most elements are LINE, TEXT or PAGE: their first letter settles them.
    if (*name != 'T' && *name != 'S' && *name != 'A') return;
    const int kind = kindOf(name);
    if (kind < 0) return;
    Kind& items = kinds_[static_cast<std::size_t>(kind)];
    const int order = items.count++;
    const pugi::xml_node first = element.first_child();
    if (!first) {
        if (items.firstChildless == INT_MAX) items.firstChildless = order;
        return;
    }
    // Only text names an item.
    if (first.type() == pugi::node_pcdata || first.type() == pugi::node_cdata) {
        items.named.push_back({std::string_view(first.value()), element, order});
    }
}

void ItemIndex::finish() {
    for (Kind& items : kinds_) {
        // At most half full, so that probes stay short.
        items.table.assign(std::bit_ceil(items.named.size() * 2 + 1), 0);
        const std::size_t mask = items.table.size() - 1;
        for (std::size_t i = 0; i < items.named.size(); ++i) {
            const std::string_view name = items.named[i].name;
            std::size_t slot = std::hash<std::string_view>{}(name)&mask;
            // The first of equal names holds the slot; later ones are never found.
            while (items.table[slot] != 0 && items.named[items.table[slot] - 1].name != name)
                slot = (slot + 1) & mask;
            if (items.table[slot] == 0) items.table[slot] = static_cast<std::uint32_t>(i + 1);
        }
    }
}

ItemLookup ItemIndex::find(std::string_view element, std::string_view wanted) const {
    const int kind = kindOf(element);
    if (kind < 0) return {};
    const Kind& items = kinds_[static_cast<std::size_t>(kind)];
    if (!items.table.empty()) {
        const std::size_t mask = items.table.size() - 1;
        for (std::size_t slot = std::hash<std::string_view>{}(wanted)&mask; items.table[slot] != 0;
             slot = (slot + 1) & mask) {
            const Named& named = items.named[items.table[slot] - 1];
            if (named.name == wanted) return {named.item, items.firstChildless < named.order};
        }
    }
    return {{}, items.firstChildless != INT_MAX};
}

int ItemIndex::size() const {
    return kinds_[0].count + kinds_[1].count + kinds_[2].count;
}

std::size_t ItemIndex::memoryBytes() const {
    std::size_t bytes = sizeof(*this);
    for (const Kind& items : kinds_) {
        bytes +=
            items.named.capacity() * sizeof(Named) + items.table.capacity() * sizeof(std::uint32_t);
    }
    return bytes;
}

}  // namespace ztk::msgfile

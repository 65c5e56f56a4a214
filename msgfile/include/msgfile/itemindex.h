// SPDX-License-Identifier: MIT
#pragma once
// The items of a loaded message file by kind and name, so that finding one costs a hash probe
// instead of a walk of the whole document. Filled by the loader's single walk of the tree.

#include <pugixml.hpp>

#include <array>
#include <climits>
#include <cstdint>
#include <string_view>
#include <vector>

#include "msgfile/lookup.h"

namespace ztk::msgfile {

class ItemIndex {
  public:
    // Takes `element`, whose name is `name`, in when it is a TEMPLATE, STRING or ALARM
    // element. Elements must come in document order: of equal names, the first is found.
    void add(pugi::xml_node element, const char* name);
    // Makes the table of names; call once after the last add().
    void finish();

    // What findItem(document, element, wanted) gives on the document the index was built
    // from (once finish() has run): the first match in document order, at any depth, and
    // the corrupt mark. `element` is TEMPLATE, STRING or ALARM; any other name finds nothing.
    ItemLookup find(std::string_view element, std::string_view wanted) const;

    // How many item elements were taken in.
    int size() const;
    // Bytes the index itself holds.
    std::size_t memoryBytes() const;

  private:
    struct Named {
        std::string_view name;  // points into the document, which outlives the index
        pugi::xml_node item;
        int order = 0;  // position among the elements of its kind, in document order
    };
    struct Kind {
        std::vector<Named> named;  // the elements named by text, in document order
        // Open addressing over `named`: slot -> position + 1, 0 when free; a power of two.
        std::vector<std::uint32_t> table;
        int count = 0;
        int firstChildless = INT_MAX;  // order of the first element without any child node
    };
    static int kindOf(std::string_view element);

    std::array<Kind, 3> kinds_;
};

}  // namespace ztk::msgfile

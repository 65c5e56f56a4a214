// SPDX-License-Identifier: MIT
#pragma once
// The list of a board's variable fields, as the variables list shows it: each entry's text
// is the field's name, its key the field's place "p<row>|<first column>|<length>".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ztk::legendo {

struct FieldPlace {
    std::int16_t row = 0;
    std::int16_t column = 0;
    std::int16_t length = 0;
    int lastColumn() const { return column + length - 1; }
    bool covers(int r, int c) const { return r == row && c >= column && c <= lastColumn(); }
};

// "p" + row + "|" + column + "|" + length; the letter keeps the key from being numeric.
std::string variableKey(const FieldPlace& place);

// The place held in a key: the first character dropped, the rest split at the two "|".
// Nothing when the key does not have that form or a number is not a 16-bit integer.
std::optional<FieldPlace> ParseVariableKey(std::string_view key);

struct VariableEntry {
    std::string key;
    std::string name;
    FieldPlace place() const { return *ParseVariableKey(key); }
};

class VariableList {
  public:
    const std::vector<VariableEntry>& entries() const { return entries_; }
    bool empty() const { return entries_.empty(); }
    int size() const { return static_cast<int>(entries_.size()); }
    const VariableEntry& at(int index) const { return entries_.at(static_cast<size_t>(index)); }

    // The selected entry (-1 for none). A list that holds entries always has one selected.
    int selected() const { return selected_; }
    void select(int index);

    void add(const FieldPlace& place, std::string name);
    void remove(int index);
    // Replaces the place of entry `index` (its key).
    void move(int index, const FieldPlace& place);
    void clear();

    // The entry whose name equals `name` ignoring letter case.
    int findName(std::string_view name) const;
    // The entry whose field covers the cell.
    int findCovering(int row, int col) const;
    // The entry whose field starts at the cell.
    int findStartingAt(int row, int col) const;

  private:
    std::vector<VariableEntry> entries_;
    int selected_ = -1;
};

}  // namespace ztk::legendo

// SPDX-License-Identifier: MIT
#include "model/variablelist.h"

#include <algorithm>
#include <charconv>

#include "model/text32.h"

namespace ztk::legendo {
namespace {

std::optional<std::int16_t> number(std::string_view text) {
    std::int16_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

}  // namespace

std::string variableKey(const FieldPlace& place) {
    return "p" + std::to_string(place.row) + "|" + std::to_string(place.column) + "|" +
           std::to_string(place.length);
}

std::optional<FieldPlace> ParseVariableKey(std::string_view key) {
    if (key.empty()) return std::nullopt;
    key.remove_prefix(1);
    const std::size_t first = key.find('|');
    if (first == std::string_view::npos) return std::nullopt;
    const std::size_t second = key.find('|', first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    const auto row = number(key.substr(0, first));
    const auto column = number(key.substr(first + 1, second - first - 1));
    const auto length = number(key.substr(second + 1));
    if (!row || !column || !length) return std::nullopt;
    return FieldPlace{*row, *column, *length};
}

void VariableList::select(int index) {
    if (index >= 0 && index < size()) selected_ = index;
}

void VariableList::add(const FieldPlace& place, std::string name) {
    entries_.push_back({variableKey(place), std::move(name)});
    if (selected_ < 0) selected_ = 0;
}

void VariableList::remove(int index) {
    if (index < 0 || index >= size()) return;
    entries_.erase(entries_.begin() + index);
    if (entries_.empty()) {
        selected_ = -1;
    } else if (selected_ >= size()) {
        selected_ = size() - 1;
    }
}

void VariableList::move(int index, const FieldPlace& place) {
    if (index >= 0 && index < size()) entries_[static_cast<size_t>(index)].key = variableKey(place);
}

void VariableList::clear() {
    entries_.clear();
    selected_ = -1;
}

int VariableList::findName(std::string_view name) const {
    for (int i = 0; i < size(); ++i) {
        if (equalIgnoringCase(at(i).name, name)) return i;
    }
    return -1;
}

int VariableList::findCovering(int row, int col) const {
    for (int i = 0; i < size(); ++i) {
        if (at(i).place().covers(row, col)) return i;
    }
    return -1;
}

int VariableList::findStartingAt(int row, int col) const {
    for (int i = 0; i < size(); ++i) {
        const FieldPlace p = at(i).place();
        if (p.row == row && p.column == col) return i;
    }
    return -1;
}

}  // namespace ztk::legendo

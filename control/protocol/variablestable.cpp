// SPDX-License-Identifier: MIT
#include "protocol/variablestable.h"

#include <algorithm>

namespace ztk::protocol {

void VariablesTable::empty() {
    entries_.fill(VariableEntry{});
    byName_.clear();
    count_ = 0;
    nextLabel_ = kFirstLabel;
    created_ = true;
}

std::optional<char> VariablesTable::add(const QString& name, int maxLength) {
    if (!created_ || isFull()) return std::nullopt;
    const char label = static_cast<char>(nextLabel_);
    VariableEntry& entry = entries_.at(count_);
    entry.name = name;
    entry.value = QString(qMax(0, maxLength), u'?');
    entry.label = label;
    entry.length = QString::number(qMax(0, maxLength));
    byName_[foldName(name)].append(count_);
    ++count_;
    ++nextLabel_;
    return label;
}

int VariablesTable::nextNamed(const QString& foldedName, int after) const {
    const auto found = byName_.constFind(foldedName);
    if (found == byName_.cend()) return -1;
    const auto next = std::upper_bound(found->cbegin(), found->cend(), after);
    return next == found->cend() ? -1 : *next;
}

}  // namespace ztk::protocol

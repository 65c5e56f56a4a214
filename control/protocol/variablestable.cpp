#include "protocol/variablestable.h"

namespace ztk::protocol {

void VariablesTable::empty() {
    entries_.fill(VariableEntry{});
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
    ++count_;
    ++nextLabel_;
    return label;
}

}  // namespace ztk::protocol

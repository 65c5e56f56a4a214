// SPDX-License-Identifier: MIT
#pragma once
// The table of variable fields on show: each registered field owns one string file on the
// sign, labelled from 0x20 (space) upward, at most 64 of them.

#include <QHash>
#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace ztk::protocol {

// One variable field: its name, the value last given to it, its string-file label and its
// declared width as decimal text ("0" when it has none).
struct VariableEntry {
    QString name;
    QString value;
    char label = 0;
    QString length;
};

class VariablesTable {
  public:
    static constexpr int kCapacity = 64;
    static constexpr int kFirstLabel = 0x20;
    static constexpr int kLastLabel = 0x5F;

    // False until the first empty(): a table that was never created holds no fields and
    // variable updates refuse to use it.
    bool isCreated() const { return created_; }

    // Creates the table or forgets every field: count 0, next label 0x20.
    void empty();

    int count() const { return count_; }
    int nextLabel() const { return nextLabel_; }
    bool isFull() const { return count_ >= kCapacity || nextLabel_ > kLastLabel; }

    // Registers a field of `maxLength` characters (value: that many "?"); returns its label,
    // or nothing when the table is full or was never created.
    std::optional<char> add(const QString& name, int maxLength);

    // Entries 0 .. count() - 1, in registration order.
    const VariableEntry& at(int index) const { return entries_.at(index); }
    void setValue(int index, const QString& value) { entries_.at(index).value = value; }

    // Names match when they are equal upper-cased; this is the form lookups take.
    static QString foldName(const QString& name) { return name.toUpper(); }
    // The first entry after `after` whose name folds to `foldedName`, or -1. Walking from -1
    // gives every field of a name in table order.
    int nextNamed(const QString& foldedName, int after) const;

  private:
    std::array<VariableEntry, kCapacity> entries_{};
    // Folded name -> its entries, ascending; built as fields are registered.
    QHash<QString, QList<int>> byName_;
    int count_ = 0;
    int nextLabel_ = kFirstLabel;
    bool created_ = false;
};

}  // namespace ztk::protocol

// SPDX-License-Identifier: MIT
#pragma once
// The list of active alarms: newest first, each addressable by a key whose letter case does
// not matter.

#include <QString>

#include <vector>

#include "ZTKMarqueeControl/ztkalarmtype.h"

namespace ztk::protocol {

class AlarmList {
  public:
    // Error number of adding a key that is already listed.
    static constexpr int kDuplicateKeyError = 457;
    // Error number of removing a key that is not listed.
    static constexpr int kMissingKeyError = 5;

    // Puts `alarm` at the front; 0 on success, kDuplicateKeyError (list unchanged) when an
    // entry with the same key, ignoring case, is already listed.
    int add(const ztkAlarmType& alarm);
    // Removes the entry with `key` (ignoring case); 0, or kMissingKeyError when none.
    int remove(const QString& key);
    bool contains(const QString& key) const;
    void clear() { entries_.clear(); }

    bool isEmpty() const { return entries_.empty(); }
    int size() const { return static_cast<int>(entries_.size()); }
    // The entries from the newest to the oldest.
    const std::vector<ztkAlarmType>& entries() const { return entries_; }

  private:
    std::vector<ztkAlarmType> entries_;
};

}  // namespace ztk::protocol

// SPDX-License-Identifier: MIT
#include "protocol/alarmlist.h"

#include <algorithm>

namespace ztk::protocol {
namespace {

bool sameKey(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

int AlarmList::add(const ztkAlarmType& alarm) {
    if (contains(alarm.tKey)) return kDuplicateKeyError;
    entries_.insert(entries_.begin(), alarm);
    return 0;
}

int AlarmList::remove(const QString& key) {
    const auto it = std::find_if(entries_.begin(), entries_.end(),
                                 [&](const ztkAlarmType& e) { return sameKey(e.tKey, key); });
    if (it == entries_.end()) return kMissingKeyError;
    entries_.erase(it);
    return 0;
}

bool AlarmList::contains(const QString& key) const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [&](const ztkAlarmType& e) { return sameKey(e.tKey, key); });
}

}  // namespace ztk::protocol

// SPDX-License-Identifier: MIT
#include "simcore/automodelist.h"

#include <array>

namespace ztk::sim {

namespace {

struct Run {
    std::uint32_t modeBit;
    std::array<std::uint16_t, 4> codes;  // ended by the first 0
};

// The order in which automode walks through the effects: each run is taken when the sign
// supports its mode, so related effects alternate with others rather than bunching up.
const std::array<Run, 18> kRuns{{
    {0x1000, {23}},
    {0x0010, {10, 11}},
    {0x0100, {19}},
    {0x0200, {20}},
    {0x0008, {9, 8, 4, 5}},
    {0x2000, {24}},
    {0x0010, {14, 15, 14, 15}},
    {0x0800, {22}},
    {0x0100, {19}},
    {0x4000, {25}},
    {0x0010, {13, 12, 13, 12}},
    {0x0400, {21}},
    {0x0040, {17, 17}},
    {0x0800, {22}},
    {0x4000, {25}},
    {0x0010, {10, 11}},
    {0x0080, {18}},
    {0x0200, {20, 20}},
}};

}  // namespace

void AutomodeList::rebuild(std::uint32_t modeMask) {
    codes_.clear();
    for (const Run& run : kRuns) {
        if (!(modeMask & run.modeBit)) continue;
        for (std::uint16_t code : run.codes) {
            if (code == 0) break;
            codes_.push_back(code);
        }
    }
    cursor_ = 0;
}

std::uint16_t AutomodeList::next() {
    if (codes_.empty()) return 1;
    if (cursor_ >= codes_.size()) cursor_ = 0;
    return codes_[cursor_++];
}

}  // namespace ztk::sim

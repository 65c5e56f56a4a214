// SPDX-License-Identifier: MIT
#pragma once
// The cyclic list of display modes that an automode message steps through, built from the
// modes the sign supports.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ztk::sim {

class AutomodeList {
  public:
    // Builds the list for the modes that `modeMask` enables, cursor at the start.
    explicit AutomodeList(std::uint32_t modeMask = 0) { rebuild(modeMask); }

    // Replaces the list with the one for `modeMask` and restarts the cursor.
    void rebuild(std::uint32_t modeMask);
    // The next mode code, wrapping to the first after the last; hold (1) when empty.
    std::uint16_t next();
    // Makes the first code of the list the next one taken.
    void restart() { cursor_ = 0; }

    const std::vector<std::uint16_t>& codes() const { return codes_; }

  private:
    std::vector<std::uint16_t> codes_;
    std::size_t cursor_ = 0;
};

}  // namespace ztk::sim

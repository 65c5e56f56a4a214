// SPDX-License-Identifier: MIT
#pragma once
// What the display engine reads from the packet interpreter's stores.

#include <cstdint>
#include <memory>
#include <vector>

#include "simcore/messagestream.h"

namespace ztk::sim {

// A dots picture: width, height and (width + 1) x height palette indices, each row ended
// by the marker byte 0xFF.
struct DotsPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
};

class SignContent {
  public:
    virtual ~SignContent() = default;

    // The compiled stream of the text file to show; a built-in blank stream (a hold mode
    // entry and the end entry) when no text file is stored. Never null. Only replaced
    // while the engine is paused.
    virtual std::shared_ptr<const MessageStream> currentText() const = 0;

    // The picture with `id`, or null.
    virtual std::shared_ptr<const DotsPicture> picture(std::uint16_t id) const = 0;

    // Copies the entries of string file `label` into `out` under the string-file lock (at
    // most 125 entries of a longer file) followed by one end entry (EndString). False, and
    // `out` untouched, when no such string file is stored. Safe from any thread.
    virtual bool copyStringFile(std::uint8_t label, std::vector<std::uint32_t>& out) const = 0;

    // The next mode code of the cyclic automode list (hold, 1, when the list is empty).
    // Called by the engine thread; the list is only rebuilt or restarted while the engine
    // is paused or stopped.
    virtual std::uint16_t nextAutomode() = 0;
};

}  // namespace ztk::sim

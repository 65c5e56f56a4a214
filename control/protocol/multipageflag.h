// SPDX-License-Identifier: MIT
#pragma once
// True while the template on show is a multipage template. One flag for every Marquee of a
// thread (each host thread drives its own signs), so it lives per thread, not per object.

namespace ztk::protocol {

bool& multipageFlag();

}  // namespace ztk::protocol

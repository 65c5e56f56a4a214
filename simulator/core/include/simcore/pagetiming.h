// SPDX-License-Identifier: MIT
#pragma once
// How long a page stays, in 10 ms steps, from the speed and the page's weight.

namespace ztk::sim {

// Speed 1: w x 40 + 1; 2: w x 20 + 1; 3: w x 10 + 1; 4: (w / 2) x 10 + 1; 5: (w / 4) x 10
// + 1; 6 (no hold): 1; any other value v: v steps (a custom delay; negative gives 0).
int pageDuration(int speed, int weight);

}  // namespace ztk::sim

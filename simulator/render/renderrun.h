// SPDX-License-Identifier: MIT
#pragma once
// One run of orvexsim-render: packets into the interpreter, the engine stepped, the outputs
// written.

#include <iosfwd>

#include "renderoptions.h"

namespace ztk::render {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitOutputFailed = 1;
inline constexpr int kExitBadArguments = 2;

// Runs `options`: reads the packets, feeds them, steps the display and writes the outputs
// (the terminal image to standard output when no file output is asked for). Messages go to
// `err`. Returns the exit status.
int render(const RenderOptions& options, std::ostream& err);

}  // namespace ztk::render

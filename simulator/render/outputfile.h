// SPDX-License-Identifier: MIT
#pragma once
// Writes one output of orvexsim-render completely, or says why it could not.

#include <string>
#include <string_view>

namespace ztk::render {

// Writes `bytes` to `file` ("-": standard output). A regular file (or a new one) is written
// beside itself under a temporary name and renamed over the old file once all of it is on
// disk, so a full disk leaves the old file whole; anything else (a device, a pipe) is
// written directly. Empty on success, otherwise the reason ("No space left on device").
std::string writeOutput(const std::string& file, std::string_view bytes);

}  // namespace ztk::render

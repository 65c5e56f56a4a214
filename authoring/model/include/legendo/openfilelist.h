// SPDX-License-Identifier: MIT
#pragma once
// The list of open message files in the per-user settings (~/.config/ZTKMarqueeControl.conf,
// group "Legendo"): one value per file, named "File" + the file node's index.

#include <string>
#include <utility>
#include <vector>

namespace ztk::legendo {

// Every value of the group, in the order the store returns them; empty when there is none.
std::vector<std::string> readOpenFileList();

// Replaces the group with `files` (node index, path); false when the store could not be
// written.
bool writeOpenFileList(const std::vector<std::pair<int, std::string>>& files);

}  // namespace ztk::legendo

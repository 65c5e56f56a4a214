// SPDX-License-Identifier: MIT
#pragma once
// The "About" page's version line.

#include <QString>

namespace ztk::pages {

// "Version: " + the library's major, minor and revision numbers, in decimal.
QString versionText();

}  // namespace ztk::pages

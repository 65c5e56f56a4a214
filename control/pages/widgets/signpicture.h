// SPDX-License-Identifier: MIT
#pragma once
// The "About" page's picture: a small three-colour LED sign showing "ZTK", drawn in code.

#include <QPixmap>

namespace ztk::pages {

// The picture with LEDs `pitch` pixels apart.
QPixmap signPicture(int pitch = 10);

}  // namespace ztk::pages

// SPDX-License-Identifier: MIT
#pragma once
// The explorer's image list and the program's logo, drawn in code.

#include "legendo/explorertree.h"

#include <QIcon>
#include <QPixmap>

namespace ztk::legendo {

// The image of a tree node: a closed folder or a paper clip of the image's colour.
QIcon nodeIcon(NodeImage image);

// The program's logo: a message file with three lines of sign text in the sign colours.
QPixmap logoPixmap(int size);
QIcon programIcon();

}  // namespace ztk::legendo

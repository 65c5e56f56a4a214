// SPDX-License-Identifier: MIT
#pragma once
// The program's icon: a small dot-matrix sign, drawn rather than loaded.

#include <QIcon>

namespace ztk::simapp {

QIcon programIcon();

}  // namespace ztk::simapp

// SPDX-License-Identifier: MIT
#pragma once
// Marks what the control library exports; everything else in it stays hidden.

#define ZTK_MARQUEE_EXPORT __attribute__((visibility("default")))

// SPDX-License-Identifier: MIT
#pragma once
// One placed item of a line: a glyph, a time/date text or a picture, with the operations the
// layout and the effects use on all of them alike.

#include <span>
#include <variant>

#include "simcore/ledbitmap.h"
#include "simcore/pictureitem.h"
#include "simcore/textitem.h"
#include "simcore/timedate.h"

namespace ztk::sim {

using PageItem = std::variant<TextItem, TimeDateItem, PictureItem>;

int itemWidth(const PageItem& item);
int itemHeight(const PageItem& item);
int itemWeight(const PageItem& item);
// True for a blank glyph (a word break).
bool itemIsBlank(const PageItem& item);
void drawItem(const PageItem& item, LedBitmap& dst, int x, int y, int lineHeight);

// Draws `items` left to right from (x, y), each bottom-aligned in `lineHeight`; returns the
// column after the last item.
int drawItems(std::span<const PageItem> items, LedBitmap& dst, int x, int y, int lineHeight);

}  // namespace ztk::sim

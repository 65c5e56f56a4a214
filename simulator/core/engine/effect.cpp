// SPDX-License-Identifier: MIT
#include "simcore/effect.h"

#include <algorithm>

namespace ztk::sim {

int Effect::contentWidth() const {
    int width = 0;
    for (const PageBuffer& line : lines_)
        width = std::max(width, line.width());
    return width;
}

int Effect::contentHeight() const {
    int height = 0;
    for (const PageBuffer& line : lines_)
        height += line.lineHeight();
    return height;
}

int Effect::weight() const {
    int items = 0;
    for (const PageBuffer& line : lines_)
        items += line.weight();
    if (items == 0) return 0;
    const int width = (std::max(area_.width, 0) + 7) / 8 * 8;
    return items + width / std::max(area_.height, 1) + 3;
}

void Effect::addLine(PageBuffer line) {
    totalWidth_ += line.width();
    lines_.push_back(std::move(line));
}

bool Effect::firstLineEmpty() const {
    return lines_.empty() || lines_.front().empty();
}

int Effect::firstLineTop() const {
    return centreVertically_ ? std::max((area_.height - contentHeight()) / 2, 0) : 0;
}

int Effect::lineLeft(const PageBuffer& line) const {
    // A line wider than the area starts at its left edge, so its beginning stays readable.
    return line.centred() ? std::max((area_.width - line.width()) / 2, 0) : 0;
}

void Effect::drawPage(LedBitmap& dst, int x, int y) const {
    int top = y + firstLineTop();
    for (const PageBuffer& line : lines_) {
        // Items sit on the line's last text row; the row below is the gap to the next line.
        drawItems(line.items(), dst, x + lineLeft(line), top, std::max(line.lineHeight() - 1, 0));
        top += line.lineHeight();
    }
}

LedBitmap Effect::renderPage() const {
    LedBitmap page(area_.width, area_.height);
    drawPage(page, 0, 0);
    return page;
}

LedBitmap Effect::renderLine(std::size_t index) const {
    if (index >= lines_.size()) return LedBitmap(1, 1);
    const PageBuffer& line = lines_[index];
    LedBitmap bitmap(std::max(line.width(), 1), std::max(line.lineHeight(), 1));
    drawItems(line.items(), bitmap, 0, 0, std::max(line.lineHeight() - 1, 0));
    return bitmap;
}

LedBitmap Effect::renderContent() const {
    LedBitmap content(std::max(contentWidth(), 1), std::max(area_.height, 1));
    int top = firstLineTop();
    for (const PageBuffer& line : lines_) {
        drawItems(line.items(), content, 0, top, std::max(line.lineHeight() - 1, 0));
        top += line.lineHeight();
    }
    return content;
}

void Effect::showPage(LedSurface& surface, const LedBitmap& page) const {
    surface.canvas().copyFrom(page, page.bounds(), area_.x, area_.y);
    surface.copyBlock(area_);
}

int Effect::countStep() {
    ++stepsDone_;
    const int left = std::max(duration_ - stepsDone_, 0);
    if (left == 0) finished_ = true;
    return left;
}

int Effect::holdStep(LedSurface& surface) {
    surface.flashTick();
    return countStep();
}

}  // namespace ztk::sim

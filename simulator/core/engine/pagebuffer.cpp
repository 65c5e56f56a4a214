// SPDX-License-Identifier: MIT
#include "simcore/pagebuffer.h"

#include <algorithm>
#include <limits>

namespace ztk::sim {

int PageBuffer::freeWidth() const {
    if (unbounded_) return std::numeric_limits<int>::max() / 2;
    return std::max(widthLimit_ - width_, 0);
}

void PageBuffer::add(PageItem item) {
    width_ += itemWidth(item);
    tallest_ = std::max(tallest_, itemHeight(item));
    lastWasBlank_ = itemIsBlank(item);
    items_.push_back(std::move(item));
}

void PageBuffer::markBreak() {
    hasBreak_ = true;
    breakWidth_ = width_;
    breakCount_ = items_.size();
}

void PageBuffer::cutAtBreak() {
    if (!hasBreak_) return;
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(breakCount_), items_.end());
    recount();
}

void PageBuffer::recount() {
    width_ = 0;
    tallest_ = 0;
    for (const PageItem& item : items_) {
        width_ += itemWidth(item);
        tallest_ = std::max(tallest_, itemHeight(item));
    }
    lastWasBlank_ = !items_.empty() && itemIsBlank(items_.back());
}

int PageBuffer::weight() const {
    int sum = 0;
    for (const PageItem& item : items_)
        sum += itemWeight(item);
    return sum;
}

}  // namespace ztk::sim

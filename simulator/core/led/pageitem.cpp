// SPDX-License-Identifier: MIT
#include "simcore/pageitem.h"

namespace ztk::sim {

int itemWidth(const PageItem& item) {
    return std::visit([](const auto& i) { return i.width(); }, item);
}

int itemHeight(const PageItem& item) {
    return std::visit([](const auto& i) { return i.height(); }, item);
}

int itemWeight(const PageItem& item) {
    return std::visit([](const auto& i) { return i.weight(); }, item);
}

bool itemIsBlank(const PageItem& item) {
    const auto* text = std::get_if<TextItem>(&item);
    return text && text->isBlank();
}

void drawItem(const PageItem& item, LedBitmap& dst, int x, int y, int lineHeight) {
    std::visit([&](const auto& i) { i.draw(dst, x, y, lineHeight); }, item);
}

int drawItems(std::span<const PageItem> items, LedBitmap& dst, int x, int y, int lineHeight) {
    for (const PageItem& item : items) {
        drawItem(item, dst, x, y, lineHeight);
        x += itemWidth(item);
    }
    return x;
}

}  // namespace ztk::sim

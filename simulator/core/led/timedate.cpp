// SPDX-License-Identifier: MIT
#include "simcore/timedate.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

#include "simcore/messagestream.h"

namespace ztk::sim {

namespace {

constexpr const char* kDayNames[7] = {"SUN.", "MON.", "TUE.", "WED.", "THU.", "FRI.", "SAT."};
constexpr const char* kMonthNames[12] = {"JAN.~", "FEB.~", "MAR.~", "APR.~", "MAY.~", "JUNE~",
                                         "JULY~", "AUG.~", "SEP.~", "OCT.~", "NOV.~", "DEC.~"};

template <typename... Args>
std::string format(const char* pattern, Args... args) {
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, pattern, args...);
    return std::string(buffer, static_cast<std::size_t>(std::clamp(n, 0, 63)));
}

}  // namespace

std::string timeDateText(int code, const ClockValue& clock, bool hour24) {
    // Year modulo 100: year - 1900 before 2000 and year - 2000 after, and still two digits
    // outside the twentieth and twenty-first centuries.
    const int yy = (clock.year % 100 + 100) % 100;
    const int m = clock.month;
    const int d = clock.day;
    switch (code) {
        case 0: {
            if (hour24) return format("%d:%02d", clock.hour, clock.minute);
            const int h = clock.hour > 12 ? clock.hour - 12 : clock.hour;
            return format("%d:%02d %s", h, clock.minute, clock.hour < 12 ? "AM" : "PM");
        }
        case '0':
            return format("%d/%d/%02d", m, d, yy);
        case '1':
            return format("%d/%d/%02d", d, m, yy);
        case '2':
            return format("%d-%d-%02d", m, d, yy);
        case '3':
            return format("%d-%d-%02d", d, m, yy);
        case '4':
            return format("%d.%d.%02d", m, d, yy);
        case '5':
            return format("%d.%d.%02d", d, m, yy);
        case '6':
            return format("%d %d %02d", m, d, yy);
        case '7':
            return format("%d %d %02d", d, m, yy);
        case '8': {
            // Names are looked up only for valid values: a broken clock must not read
            // outside the tables.
            const char* name = m >= 1 && m <= 12 ? kMonthNames[m - 1] : "";
            return format("%s%d,~%04d", name, d, clock.year);
        }
        case '9':
            return clock.weekday >= 0 && clock.weekday < 7 ? kDayNames[clock.weekday] : "";
        case 28:
            return std::string(
                "100\xA9"
                "C");
        case 29:
            return std::string(
                "212\xA9"
                "F");
        default:
            return {};
    }
}

TimeDateItem::TimeDateItem(int code, const ClockValue& clock, bool hour24, const LedFonts& fonts,
                           int fontId, std::uint16_t attrs, ColorState& colors)
    : fonts_(&fonts), text_(timeDateText(code, clock, hour24)), fontId_(fontId), attrs_(attrs) {
    colors_.reserve(text_.size());
    for (std::size_t i = 0; i < text_.size(); ++i)
        colors_.push_back(colors.next(attrs));
    rebuild();
}

void TimeDateItem::rebuild() {
    glyphs_.clear();
    glyphs_.reserve(text_.size());
    const LedFont& font = (*fonts_)[fontId_];
    for (std::size_t i = 0; i < text_.size(); ++i)
        glyphs_.emplace_back(static_cast<unsigned char>(text_[i]), font, attrs_, colors_[i]);
}

int TimeDateItem::width() const {
    return std::accumulate(glyphs_.begin(), glyphs_.end(), 0,
                           [](int sum, const TextItem& g) { return sum + g.width(); });
}

int TimeDateItem::height() const {
    int h = (*fonts_)[fontId_].currentHeight(attrs_).height;
    for (const TextItem& g : glyphs_)
        h = std::max(h, g.height());
    return h;
}

void TimeDateItem::fitWidth(int maxWidth) {
    while (!text_.empty() && width() > maxWidth) {
        if (attrs_ & kAttrDoubleWide) {
            attrs_ &= ~kAttrDoubleWide;
        } else if (attrs_ & kAttrWide) {
            attrs_ &= ~kAttrWide;
        } else if (attrs_ & kAttrShadow) {
            attrs_ &= ~kAttrShadow;
        } else if (!fontChanged_) {
            fontChanged_ = true;
            if (fontId_ == 2) continue;
            fontId_ = 2;
        } else {
            text_.pop_back();
            colors_.pop_back();
            glyphs_.pop_back();
            continue;
        }
        rebuild();
    }
}

void TimeDateItem::draw(LedBitmap& dst, int x, int y, int lineHeight) const {
    for (const TextItem& g : glyphs_) {
        g.draw(dst, x, y, lineHeight);
        x += g.width();
    }
}

}  // namespace ztk::sim

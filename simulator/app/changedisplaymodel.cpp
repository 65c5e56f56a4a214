// SPDX-License-Identifier: MIT
#include "changedisplaymodel.h"

#include <algorithm>

#include "simsettings.h"

namespace ztk::simapp {
namespace {

constexpr SpinRange kFullColumns{32, 640};
constexpr SpinRange kFullRows{16, 480};
constexpr SpinRange kChars{8, 104};
constexpr SpinRange kCharRows{2, 60};
// LEDs per character cell of a character-matrix sign.
constexpr int kCharWidth = 6;
constexpr int kCharHeight = 8;

bool validSize(int value, SpinRange range) {
    return value > 0 && value % range.low == 0 && value <= range.high;
}

int colorCount(ColorChoice color) {
    switch (color) {
        case ColorChoice::Single:
            return 1;
        case ColorChoice::Three:
            return 3;
        case ColorChoice::Eight:
            return 8;
    }
    return 1;
}

}  // namespace

ChangeDisplayModel::ChangeDisplayModel(const SimSettings& settings, const QString& title) {
    const QStringList lines = settings.displays();
    storedCount_ = static_cast<int>(lines.size());
    for (const QString& line : lines) {
        if (auto entry = parseDisplayEntry(line)) entries_.push_back(std::move(*entry));
    }
    if (entries_.empty()) return;
    const auto named = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const DisplayEntry& e) { return e.name == title; });
    select(named == entries_.end() ? 0 : static_cast<int>(named - entries_.begin()));
}

void ChangeDisplayModel::select(int index) {
    if (index < 0 || index >= static_cast<int>(entries_.size())) return;
    selected_ = index;
    const DisplayEntry& entry = entries_[index];
    rows_ = entry.rows;
    if (entry.rows != 0 || entry.columns >= 0) {
        charLabel_ = false;
        columns_ = entry.columns;
        if (entry.columns == 0) {
            columnsRange_ = kFullColumns;
            rowsRange_ = kFullRows;
        }
    } else {
        charLabel_ = true;
        columns_ = 0;
        columnsRange_ = kChars;
        rowsRange_ = kCharRows;
    }
    if (entry.colors == 1)
        color_ = ColorChoice::Single;
    else if (entry.colors == 3)
        color_ = ColorChoice::Three;
    else if (entry.colors == 8)
        color_ = ColorChoice::Eight;
}

bool ChangeDisplayModel::sizesEditable() const {
    return selected_ >= 0 && entries_[selected_].isTemplate();
}

int ChangeDisplayModel::stepped(int value, int change, SpinRange range) {
    const int step = std::max(range.low, 1);
    const int remainder = (value + change) % step;
    if (remainder != 0) change = change < 0 ? change - remainder : change + step - remainder;
    return std::clamp(value + change, range.low, std::max(range.low, range.high));
}

ChangeDisplayModel::Result ChangeDisplayModel::accept(SimSettings& settings) {
    Result result;
    if (selected_ < 0) return result;
    const DisplayEntry& entry = entries_[selected_];
    QString name = entry.name;
    int columns = columns_;
    int rows = rows_;
    const int tint = color_ == ColorChoice::Three ? 3 : 1;
    if (entry.columns == 0) {
        if (!validSize(rows, kFullRows) || !validSize(columns, kFullColumns)) {
            result.warning = kFullMatrixWarning;
            return result;
        }
        name = QStringLiteral("OrvexPanel FM%1x%2-%3").arg(columns).arg(rows).arg(tint);
    } else if (entry.columns < 0) {
        // Any character count in range is taken, not only the multiples of 8 the arrows step
        // through: character panels are commonly 20 or 40 characters wide.
        const bool charsInRange = columns >= kChars.low && columns <= kChars.high;
        if (!validSize(rows, kCharRows) || !charsInRange) {
            result.warning = kCharacterMatrixWarning;
            return result;
        }
        name = QStringLiteral("OrvexPanel CM%1x%2-%3").arg(columns).arg(rows).arg(tint);
        columns *= kCharWidth;
        rows *= kCharHeight;
    }

    sim::DisplayModel model;
    model.name = name.toStdString();
    model.columns = columns;
    model.rows = rows;
    model.colors = colorCount(color_);
    model.modeMask = entry.modeMask;
    model.featureMask = entry.featureMask;
    model.fontMask = entry.fontMask;
    result.modelLine = QString::fromStdString(model.format());
    result.accepted = true;

    settings.setText(key::kCmdInfo, result.modelLine);
    settings.setInteger(key::kExtendedMem, (entry.featureMask & sim::kFeatNamedPictures) ? 1 : 0);
    const bool listed = std::any_of(entries_.begin(), entries_.end(),
                                    [&](const DisplayEntry& e) { return e.name == name; });
    if (!listed) settings.setDisplay(storedCount_ + 1, result.modelLine);
    return result;
}

}  // namespace ztk::simapp

// SPDX-License-Identifier: MIT
#pragma once
// One model of the "Displays" list: a model line whose rows may be 0, which makes it a
// template for a generic sign sized in the Change Display dialog (columns 0: a full-matrix
// sign sized in LEDs; columns below 0: a character-matrix sign sized in characters).

#include <QString>

#include <cstdint>
#include <optional>

#include "simcore/displaymodel.h"

namespace ztk::simapp {

struct DisplayEntry {
    QString line;  // the line as stored
    QString name;
    int columns = 0;
    int rows = 0;
    int colors = 0;
    // The masks of the line; the default model's masks when the line ends before them.
    std::uint32_t modeMask = sim::DisplayModel{}.modeMask;
    std::uint32_t featureMask = sim::DisplayModel{}.featureMask;
    std::uint32_t fontMask = sim::DisplayModel{}.fontMask;

    // A fixed model (rows other than 0) is offered as it is; a template is sized in the dialog.
    bool isTemplate() const { return rows == 0; }
    // Columns below 0 on a template: the sign is sized in characters.
    bool isCharacterMatrix() const { return rows == 0 && columns < 0; }
};

// Reads `line` as "%[^,],%d,%d,%d" followed by the optional ",%X,%X,%X" of the masks; nothing
// when the name or one of the three numbers is missing or a number overflows.
std::optional<DisplayEntry> parseDisplayEntry(const QString& line);

}  // namespace ztk::simapp

// SPDX-License-Identifier: MIT
#include "simcore/effects/scrolleffect.h"

#include <algorithm>

namespace ztk::sim {

void ScrollEffect::startLine(std::size_t index) {
    line_ = index;
    phaseStep_ = 0;
    if (index < lines().size()) {
        const PageBuffer& line = lines()[index];
        rows_ = std::max(line.lineHeight(), 1);
        lineLeds_ = LedBitmap(area().width, rows_);
        drawItems(line.items(), lineLeds_, lineLeft(line), 0, std::max(line.lineHeight() - 1, 0));
        phase_ = Phase::Entering;
        return;
    }
    // Everything that came in leaves: the text rows, at most the area's height.
    rows_ = std::min(rowsShown_, area().height);
    phase_ = rows_ > 0 ? Phase::Leaving : Phase::Ending;
}

void ScrollEffect::push(LedSurface& surface, const LedBitmap& from, int row) {
    const LedRect& a = area();
    if (a.empty()) return;
    surface.shift(a, ShiftDirection::Up, 1);
    surface.copyBlock(from, {0, row, a.width, 1}, a.x, a.bottom() - 1);
}

int ScrollEffect::estimateLeft() const {
    long long left = 0;
    int rows = 0;
    for (std::size_t i = line_ + 1; i < lines().size(); ++i) {
        left += static_cast<long long>(lines()[i].lineHeight()) * kScrollStepsPerRow + hold_;
        rows += lines()[i].lineHeight();
    }
    left += static_cast<long long>(std::min(rowsShown_ + rows, area().height)) * kScrollStepsPerRow;
    return static_cast<int>(std::clamp<long long>(left, 1, 1 << 30));
}

int ScrollEffect::step(LedSurface& surface) {
    if (stepsDone() == 0) {
        hold_ = duration();
        blankRow_ = LedBitmap(area().width, 1);
        startLine(0);
    } else if (phase_ == Phase::Holding || phase_ == Phase::Ending) {
        // The flash phase rests while rows are pushed in or out and runs while a line holds
        // and while the page waits for it at the end.
        surface.flashTick();
    }
    switch (phase_) {
        case Phase::Entering:
        case Phase::Leaving: {
            if (phaseStep_ % kScrollStepsPerRow == 0) {
                const int row = phaseStep_ / kScrollStepsPerRow;
                if (phase_ == Phase::Entering) {
                    push(surface, lineLeds_, row);
                    ++rowsShown_;
                } else {
                    push(surface, blankRow_, 0);
                }
            }
            if (++phaseStep_ < rows_ * kScrollStepsPerRow) return goOn(estimateLeft());
            if (phase_ == Phase::Leaving) {
                phase_ = Phase::Ending;
                return endAtFlash(surface);
            }
            phase_ = Phase::Holding;
            phaseStep_ = 0;
            if (hold_ > 0) return goOn(estimateLeft());
            startLine(line_ + 1);
            return phase_ == Phase::Ending ? endAtFlash(surface) : goOn(estimateLeft());
        }
        case Phase::Holding:
            if (++phaseStep_ < hold_) return goOn(estimateLeft());
            startLine(line_ + 1);
            return phase_ == Phase::Ending ? endAtFlash(surface) : goOn(estimateLeft());
        case Phase::Ending:
            break;
    }
    return endAtFlash(surface);
}

}  // namespace ztk::sim

// SPDX-License-Identifier: MIT
#pragma once
// How the editor models tell their widgets what to show again after a change.

#include <functional>

namespace ztk::legendo {

// What changed, as bits.
enum ModelChange : unsigned {
    kCellsChanged = 1u << 0,      // characters or colours of cells
    kSizeChanged = 1u << 1,       // board size and the size boxes
    kCursorChanged = 1u << 2,     // cursor or selection
    kVariablesChanged = 1u << 3,  // the variables list or its selection
    kBoxesChanged = 1u << 4,      // a combo box or an enabled state
    kViewChanged = 1u << 5,       // the view font size
    kNameChanged = 1u << 6,       // the name box
    kCorrectName = 1u << 7,       // the name box's text is to be selected for correction
    kTextChanged = 1u << 8,       // the message text
    kPagesChanged = 1u << 9,      // page label, page buttons, hold box, rotating text
    kAllChanged = (1u << 10) - 1u,
};

using ModelListener = std::function<void(unsigned changes)>;

// Calls the listener, when there is one.
inline void notify(const ModelListener& listener, unsigned changes) {
    if (listener && changes != 0) listener(changes);
}

}  // namespace ztk::legendo

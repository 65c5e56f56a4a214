// SPDX-License-Identifier: MIT
#pragma once
// What the main window's model asks of the window: which panel is in front and enabled,
// the busy pointer, the menus' state and the pop-up menus. The tree's changes reach the
// window through ExplorerListener.

#include "legendo/explorertree.h"
#include "legendo/menustate.h"

namespace ztk::legendo {

// The four panels in the right half of the window, one in front at a time.
enum class Panel { Empty, Template, Multipage, String };

class WindowView : public ExplorerListener {
  public:
    virtual void bringToFront(Panel panel) = 0;
    // Enables the frame of `editor` (an editor's panel) and disables the other two.
    virtual void enableOnly(Panel editor) = 0;
    // Shows or ends the hourglass pointer; calls nest.
    virtual void setBusy(bool busy) = 0;
    virtual void menuStateChanged(const MenuState& menus) = 0;
    // Pops up `menu` where the pointer is.
    virtual void popUp(PopupMenu menu) = 0;
};

}  // namespace ztk::legendo

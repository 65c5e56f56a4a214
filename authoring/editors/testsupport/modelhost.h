// SPDX-License-Identifier: MIT
#pragma once
// The editors' host in tests, pictures and measurements: the main window's own model, so
// that every save the editors make goes through the window's save routines, over a window
// that shows nothing.

#include <string>

#include "legendo/mainmodel.h"
#include "legendo/windowview.h"

namespace ztk::legendo::test {

// Answers every message with its first button; writes each text to standard error when
// `echo` is set.
class SilentPrompter final : public Prompter {
  public:
    explicit SilentPrompter(bool echo = false) : echo_(echo) {}
    Answer message(const std::string& text, const std::string& title, Icon icon,
                   Buttons buttons) override;
    std::string chooseFileToOpen(const std::string&, const std::string&) override { return {}; }
    std::string chooseFileToSave(const std::string&, const std::string&) override { return {}; }
    std::optional<std::string> askNewName(const std::string&) override { return std::nullopt; }

  private:
    bool echo_;
};

// A window that shows nothing of what the model tells it.
class QuietView : public WindowView {
  public:
    void nodeAdded(const ExplorerNode&, int) override {}
    void nodeRemoved(const std::string&) override {}
    void nodeImageChanged(const ExplorerNode&) override {}
    void childrenReordered(const ExplorerNode&) override {}
    void nodeExpanded(const std::string&) override {}
    void nodeSelected(const std::string&) override {}
    void bringToFront(Panel) override {}
    void enableOnly(Panel) override {}
    void setBusy(bool) override {}
    void menuStateChanged(const MenuState&) override {}
    void popUp(PopupMenu) override {}
};

namespace detail {
// A base, so that it is built before the model that refers to it.
struct QuietWindow {
    QuietView view;
};
}  // namespace detail

class ModelHost : private detail::QuietWindow, public MainModel {
  public:
    explicit ModelHost(Prompter& prompter) : MainModel(prompter, view) {}

    // Makes `item` of `folder` ("Templates", "Strings", "Alarms") in `file` the selection,
    // as a click on its node in the explorer does.
    void select(const std::string& file, const std::string& folder, const std::string& item);
};

}  // namespace ztk::legendo::test

// SPDX-License-Identifier: MIT
#pragma once
// The multipage editor's page side: the page's hold speed and rotating line, the page label
// and page buttons, and the page commands, over a template editor model that holds the
// page's board. The page numbers live in the host's Selection.

#include <array>
#include <string>

#include "legendo/editorhost.h"
#include "model/modelevents.h"
#include "model/templatemodel.h"
#include "msgfile/writerdata.h"

namespace ztk::legendo {

// The entries of the hold speed box.
inline constexpr std::array<const char*, 5> kHoldSpeeds = {"Speed 1", "Speed 2", "Speed 3",
                                                           "Speed 4", "Speed 5"};

// "Page " + current + " of " + count for two pages or more, else "Page 1 of 1" (for one page
// the count, for none 1).
std::string pageLabelText(int currentPage, int pageCount);

class MultipageModel {
  public:
    MultipageModel(EditorHost& host, TemplateEditorModel& board);

    void setListener(ModelListener listener) { listener_ = std::move(listener); }

    TemplateEditorModel& board() { return board_; }
    const std::string& holdBox() const { return holdBox_; }
    bool holdEnabled() const { return holdEnabled_; }
    const std::string& rotateText() const { return rotateText_; }
    SignColor rotateColor() const { return rotateColor_; }
    bool previousEnabled() const { return previousEnabled_; }
    bool nextEnabled() const { return nextEnabled_; }
    bool removeEnabled() const { return removeEnabled_; }
    std::string pageLabel() const;

    // The editor emptied: the board, "Speed 1", no rotating text, the page buttons off.
    void reset();
    // Opens the selected multipage template on page 1 and sets up the page buttons; a
    // template without stored pages gets its page 1 written at once. True when shown.
    bool open();
    // Loads page Selection::currentPage onto an emptied board. True when shown.
    bool loadPage();
    // cmdMultiPgSave: saves the page; once saved it counts as stored.
    bool save();
    void nextPage();
    void previousPage();
    void addPage();
    void removePage();

    void chooseHoldSpeed(std::string speed);
    void typeRotateText(std::string text);
    // A colour chosen while the rotating text is being edited colours the rotating line.
    void chooseRotateColor(SignColor color);

    msgfile::PageContent content() const;

  private:
    void clearPage();
    // The save prompt before leaving the page; false when the page is to stay (Cancel, or
    // a save that failed).
    bool mayLeavePage();
    void setNavigation();
    void changed();

    EditorHost& host_;
    TemplateEditorModel& board_;
    ModelListener listener_;
    std::string holdBox_ = kHoldSpeeds.front();
    bool holdEnabled_ = true;
    std::string rotateText_;
    SignColor rotateColor_ = SignColor::Red;
    bool previousEnabled_ = false;
    bool nextEnabled_ = false;
    bool removeEnabled_ = false;
};

}  // namespace ztk::legendo

// SPDX-License-Identifier: MIT
#pragma once
// Every file chooser and message box of the property pages goes through a PagePrompter, so
// that tests answer in place of a person; DialogPrompter shows the desktop's real dialogs.

#include <QString>

#include <optional>

class QWidget;

namespace ztk::pages {

class PagePrompter {
  public:
    virtual ~PagePrompter() = default;
    // An open chooser that takes only an existing file. `fileName` is the name it starts
    // with; `filter` is description and pattern pairs separated by vertical bars. The path
    // chosen, or nothing when the person cancelled.
    virtual std::optional<QString> chooseFileToOpen(QWidget* parent, const QString& fileName,
                                                    const QString& filter) = 0;
    // A save chooser that asks before it takes an existing file; as chooseFileToOpen.
    virtual std::optional<QString> chooseFileToSave(QWidget* parent, const QString& fileName,
                                                    const QString& filter) = 0;
    // Shows `text` as an error over `parent`; returns once it has been seen.
    virtual void showError(QWidget* parent, const QString& title, const QString& text) = 0;
};

// The desktop's file dialogs and message boxes, modal over their parent.
class DialogPrompter final : public PagePrompter {
  public:
    std::optional<QString> chooseFileToOpen(QWidget* parent, const QString& fileName,
                                            const QString& filter) override;
    std::optional<QString> chooseFileToSave(QWidget* parent, const QString& fileName,
                                            const QString& filter) override;
    void showError(QWidget* parent, const QString& title, const QString& text) override;
};

}  // namespace ztk::pages

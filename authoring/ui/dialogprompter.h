// SPDX-License-Identifier: MIT
#pragma once
// The program's Prompter: real modal message boxes, file dialogs and the name dialog over
// the main window.

#include "legendo/prompter.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace ztk::legendo {

// A "label|pattern|label|pattern" filter as name filters of a Qt file dialog, each label
// ending in its pattern; "*.*" matches every file, as it does where the form comes from.
QStringList qtNameFilters(const std::string& filter);

class DialogPrompter final : public Prompter {
  public:
    void setParent(QWidget* parent) { parent_ = parent; }

    Answer message(const std::string& text, const std::string& title, Icon icon,
                   Buttons buttons) override;
    std::string chooseFileToOpen(const std::string& filter,
                                 const std::string& startFolder) override;
    std::string chooseFileToSave(const std::string& filter,
                                 const std::string& startFolder) override;
    std::optional<std::string> askNewName(const std::string& caption) override;

  private:
    std::string chooseFile(bool save, const std::string& filter, const std::string& startFolder);

    QPointer<QWidget> parent_;
};

}  // namespace ztk::legendo

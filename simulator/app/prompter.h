// SPDX-License-Identifier: MIT
#pragma once
// Every message box of the simulator goes through a Prompter, so that tests can answer in
// place of a person; the program uses MessageBoxPrompter.

#include <QString>

class QWidget;

namespace ztk::simapp {

// The program title, used as the caption of its message boxes.
inline const QString kProgramTitle = QStringLiteral("Orvex Simulator");

class Prompter {
  public:
    virtual ~Prompter() = default;
    // Shows `text` as a warning over `parent` and returns once it has been seen.
    virtual void warning(QWidget* parent, const QString& title, const QString& text) = 0;
};

// Shows real modal message boxes.
class MessageBoxPrompter final : public Prompter {
  public:
    void warning(QWidget* parent, const QString& title, const QString& text) override;
};

}  // namespace ztk::simapp

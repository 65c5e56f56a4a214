// SPDX-License-Identifier: MIT
#pragma once
// Every message box, question, file dialog and name prompt of the authoring program goes
// through a Prompter, so that tests answer in place of a person. The program's own
// implementation shows real modal dialogs over the main window.

#include <optional>
#include <string>

namespace ztk::legendo {

// The program's title: the main window's caption and the title of its save prompts.
inline constexpr const char* kProgramTitle = "Legendo";

enum class Icon { None, Critical, Exclamation, Information, Question };
enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

// The filter of both message-file dialogs, in the dialog's "label|pattern|..." form.
inline constexpr const char* kMessageFileFilter =
    "Templates - XML Files (*.XML)|*.xml|All Files (*.*)|*.*";

class Prompter {
  public:
    virtual ~Prompter() = default;
    // A message box; an empty title shows the program's title. Returns the button chosen
    // (Ok for a plain message; closing a Yes/No/Cancel box counts as Cancel, a Yes/No box
    // as No).
    virtual Answer message(const std::string& text, const std::string& title, Icon icon,
                           Buttons buttons = Buttons::Ok) = 0;
    // The open dialog: an existing file, or empty when the user cancelled.
    virtual std::string chooseFileToOpen(const std::string& filter,
                                         const std::string& startFolder) = 0;
    // The save dialog, asking before it lets the user pick an existing file; empty when
    // the user cancelled.
    virtual std::string chooseFileToSave(const std::string& filter,
                                         const std::string& startFolder) = 0;
    // The name dialog frmNewName with `caption`: the name typed when the user pressed OK or
    // Enter (possibly empty), nothing when the dialog was closed any other way.
    virtual std::optional<std::string> askNewName(const std::string& caption) = 0;
};

}  // namespace ztk::legendo

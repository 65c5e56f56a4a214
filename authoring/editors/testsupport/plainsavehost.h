#pragma once
// An editor host for tests and measurements, with the main window's save routines reduced
// to their plain steps: load the file, find the item, fill it, call the writer, and save
// only when the writer succeeded. Every failure is shown through the prompter.

#include <string>
#include <vector>

#include "itemeditor.h"
#include "legendo/editorhost.h"

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

class PlainSaveHost : public EditorHost {
  public:
    explicit PlainSaveHost(Prompter& prompter) : prompter_(prompter) {}

    Selection& selection() override { return selection_; }
    Prompter& prompter() override { return prompter_; }
    // Stores the flag and enables the followed editors' Save buttons.
    void setChanged(bool changed) override;

    bool saveTemplate(const msgfile::TemplateContent& content) override;
    bool saveMultipageTemplate(const msgfile::PageContent& page) override;
    bool saveString(const std::vector<msgfile::ColoredRun>& text,
                    const msgfile::DisplayBoxes& boxes) override;
    bool saveAlarm(const std::vector<msgfile::ColoredRun>& text,
                   const msgfile::DisplayBoxes& boxes) override;

    // Makes `item` of `folder` ("Templates", "Strings", "Alarms") in `file` the selection.
    void select(const std::string& file, const std::string& folder, const std::string& item);
    // An editor whose Save button follows setChanged.
    void follow(ItemEditor* editor) { editors_.push_back(editor); }
    // Saves that reached the file.
    int saves() const { return saves_; }

  private:
    template <typename Fill>
    bool saveItem(const char* element, const std::string& failureTitle, Fill&& fill);

    Prompter& prompter_;
    Selection selection_;
    std::vector<ItemEditor*> editors_;
    int saves_ = 0;
};

}  // namespace ztk::legendo::test

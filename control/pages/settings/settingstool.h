// SPDX-License-Identifier: MIT
#pragma once
// marquee-settings' work: one Marquee holding a sign's stored properties, the properties
// dialog over it, and saving the file after every apply.

#include <memory>
#include <optional>

#include "ZTKMarqueeControl/marquee.h"
#include "settingsfile.h"

namespace ztk::pages {
class PagePrompter;
class PropertiesDialog;
}  // namespace ztk::pages

namespace ztk::settings {

class SettingsTool {
  public:
    // Messages and file choosers go through `prompter`, which outlives the tool.
    SettingsTool(SettingsFile file, pages::PagePrompter& prompter);
    ~SettingsTool();

    // Reads the stored properties into the control (in design mode, so that every page can
    // be applied) and makes the dialog over it. The reason when the file cannot be read, or
    // when it is new and its folder is missing.
    std::optional<QString> open();
    // The dialog, once open() succeeded.
    pages::PropertiesDialog& dialog() { return *dialog_; }
    const Marquee& marquee() const { return marquee_; }

    // Shows the dialog until it is closed: 0, or 1 when the last save failed.
    int exec();

  private:
    // Writes the file; shows the reason when that fails.
    bool save();

    SettingsFile file_;
    pages::PagePrompter& prompter_;
    Marquee marquee_;
    std::unique_ptr<pages::PropertiesDialog> dialog_;
    bool saveFailed_ = false;
};

}  // namespace ztk::settings

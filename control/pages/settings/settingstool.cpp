// SPDX-License-Identifier: MIT
#include "settingstool.h"

#include <QDir>
#include <QFileInfo>

#include "ZTKMarqueePages/pageprompter.h"
#include "ZTKMarqueePages/propertiesdialog.h"

namespace ztk::settings {

SettingsTool::SettingsTool(SettingsFile file, pages::PagePrompter& prompter)
    : file_(std::move(file)), prompter_(prompter) {}

SettingsTool::~SettingsTool() = default;

std::optional<QString> SettingsTool::open() {
    // Stored settings are edited as a designer edits a placed control: MarqueeType may be
    // set, and nothing is initialised, so no property is locked.
    marquee_.setRunMode(false);
    if (auto error = file_.load(marquee_)) return error;
    // A new file could never be saved into a folder that is not there: say so now, before
    // any editing is done.
    const QFileInfo info(file_.path());
    if (!info.exists() && !info.absoluteDir().exists())
        return QStringLiteral("cannot save %1: the folder %2 does not exist")
            .arg(file_.path(), info.absolutePath());
    dialog_ = std::make_unique<pages::PropertiesDialog>(marquee_, prompter_);
    dialog_->setWindowTitle(
        QStringLiteral("%1 in %2 - %3")
            .arg(file_.group(), QFileInfo(file_.path()).fileName(), dialog_->windowTitle()));
    dialog_->setAfterApply([this] { return save(); });
    return std::nullopt;
}

bool SettingsTool::save() {
    const std::optional<QString> error = file_.save(marquee_);
    saveFailed_ = error.has_value();
    if (error) {
        prompter_.showError(dialog_.get(), dialog_->windowTitle(),
                            QStringLiteral("The settings were not saved: %1.").arg(*error));
    }
    return !saveFailed_;
}

int SettingsTool::exec() {
    dialog_->exec();
    return saveFailed_ ? 1 : 0;
}

}  // namespace ztk::settings

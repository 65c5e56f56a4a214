// SPDX-License-Identifier: MIT
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "ZTKMarqueePages/pageprompter.h"
#include "model/filechooserfilter.h"

namespace ztk::pages {
namespace {

std::optional<QString> runChooser(QWidget* parent, const QString& title, const QString& fileName,
                                  const QString& filter, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(mode);
    // An open chooser takes only a file that exists; a save chooser asks before it takes
    // one (the dialog's default, as long as DontConfirmOverwrite is not set).
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters(filter));
    if (!fileName.isEmpty()) {
        const QFileInfo preset(fileName);
        dialog.setDirectory(preset.absolutePath());
        dialog.selectFile(preset.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

}  // namespace

std::optional<QString> DialogPrompter::chooseFileToOpen(QWidget* parent, const QString& fileName,
                                                        const QString& filter) {
    return runChooser(parent, QStringLiteral("Open"), fileName, filter, QFileDialog::AcceptOpen);
}

std::optional<QString> DialogPrompter::chooseFileToSave(QWidget* parent, const QString& fileName,
                                                        const QString& filter) {
    return runChooser(parent, QStringLiteral("Save As"), fileName, filter, QFileDialog::AcceptSave);
}

void DialogPrompter::showError(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::critical(parent, title, text);
}

}  // namespace ztk::pages

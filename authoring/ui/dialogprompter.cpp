// SPDX-License-Identifier: MIT
#include "dialogprompter.h"

#include "newnamedialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace ztk::legendo {
namespace {

// A dialog shows the normal pointer even while an operation has the hourglass up.
class NormalPointer {
  public:
    NormalPointer() : active_(QApplication::overrideCursor() != nullptr) {
        if (active_) QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~NormalPointer() {
        if (active_) QApplication::restoreOverrideCursor();
    }
    NormalPointer(const NormalPointer&) = delete;
    NormalPointer& operator=(const NormalPointer&) = delete;

  private:
    bool active_;
};

QMessageBox::Icon boxIcon(Icon icon) {
    switch (icon) {
        case Icon::Critical:
            return QMessageBox::Critical;
        case Icon::Exclamation:
            return QMessageBox::Warning;
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QStringList qtNameFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString label = parts[i];
        const qsizetype open = label.lastIndexOf(QLatin1Char('('));
        if (open > 0) label = label.left(open).trimmed();
        QString pattern = parts[i + 1];
        pattern.replace(QStringLiteral("*.*"), QStringLiteral("*"));
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters.append(label + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return filters;
}

Answer DialogPrompter::message(const std::string& text, const std::string& title, Icon icon,
                               Buttons buttons) {
    NormalPointer pointer;
    // Message texts keep their CR LF line ends; a label breaks lines at LF alone.
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QString caption =
        QString::fromStdString(title.empty() ? std::string(kProgramTitle) : title);
    QMessageBox box(boxIcon(icon), caption, shown, QMessageBox::NoButton, parent_);
    box.setAccessibleName(caption);
    switch (buttons) {
        case Buttons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case Buttons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setEscapeButton(QMessageBox::No);
            break;
        case Buttons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        default:
            break;
    }
    return buttons == Buttons::YesNoCancel ? Answer::Cancel
           : buttons == Buttons::YesNo     ? Answer::No
                                           : Answer::Ok;
}

std::string DialogPrompter::chooseFile(bool save, const std::string& filter,
                                       const std::string& startFolder) {
    NormalPointer pointer;
    QFileDialog dialog(parent_, save ? QStringLiteral("Save As") : QStringLiteral("Open"),
                       QString::fromStdString(startFolder));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(qtNameFilters(filter));
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? std::string() : chosen.first().toStdString();
}

std::string DialogPrompter::chooseFileToOpen(const std::string& filter,
                                             const std::string& startFolder) {
    return chooseFile(false, filter, startFolder);
}

std::string DialogPrompter::chooseFileToSave(const std::string& filter,
                                             const std::string& startFolder) {
    return chooseFile(true, filter, startFolder);
}

std::optional<std::string> DialogPrompter::askNewName(const std::string& caption) {
    NormalPointer pointer;
    NewNameDialog dialog(QString::fromStdString(caption), parent_);
    dialog.exec();
    if (!dialog.fOK()) return std::nullopt;
    return dialog.name().toStdString();
}

}  // namespace ztk::legendo

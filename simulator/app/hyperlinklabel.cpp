#include "hyperlinklabel.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QUrl>

#include "prompter.h"

namespace ztk::simapp {

QString openErrorText(int code) {
    switch (code) {
        case 0:
            return QStringLiteral("The operating system is out\nof memory or resources.");
        case 2:
            return QStringLiteral("The specified file was not found.");
        case 3:
            return QStringLiteral("The specified path was not found.");
        case 5:
            return QStringLiteral("The operating system denied\naccess to the specified file.");
        case 8:
            return QStringLiteral("There was not enough memory to complete the operation.");
        case 11:
            return QStringLiteral(
                "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).");
        case 26:
            return QStringLiteral("A sharing violation occurred. ");
        case 27:
            return QStringLiteral("The filename association is\nincomplete or invalid.");
        case 28:
            return QStringLiteral(
                "The DDE transaction could not\nbe completed because the request timed out.");
        case 29:
            return QStringLiteral("The DDE transaction failed.");
        case 30:
            return QStringLiteral(
                "The DDE transaction could not\nbe completed because other DDE transactions\n"
                "were being processed.");
        case 31:
            return QStringLiteral(
                "There is no application associated\nwith the given filename extension.");
        case 32:
            return QStringLiteral("The specified dynamic-link library was not found.");
        default:
            return QStringLiteral("Unknown Error (%1) occurred.").arg(code);
    }
}

bool openWithDesktop(const QString& address) {
    if (QDesktopServices::openUrl(QUrl(address))) return true;
    const QString browser = qEnvironmentVariable("BROWSER").section(u':', 0, 0);
    QStringList command = QProcess::splitCommand(browser);
    if (command.isEmpty()) return false;
    const QString program = command.takeFirst();
    command.append(address);
    return QProcess::startDetached(program, command);
}

HyperlinkLabel::HyperlinkLabel(Prompter& prompter, QWidget* parent)
    : QWidget(parent), prompter_(prompter), opener_(&openWithDesktop) {
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

void HyperlinkLabel::setText(const QString& text) {
    text_ = text;
    resize(sizeHint());
    update();
}

void HyperlinkLabel::setTarget(const QString& address) {
    target_ = address;
    setToolTip(address);
    resize(sizeHint());
}

void HyperlinkLabel::setVisited(bool visited) {
    visited_ = visited;
    update();
}

QColor HyperlinkLabel::textColor() const {
    if (hovered_) return kHoverColor;
    return visited_ ? kVisitedColor : kLinkColor;
}

QFont HyperlinkLabel::shownFont() const {
    QFont shown = font();
    shown.setUnderline(hovered_);
    return shown;
}

bool HyperlinkLabel::open() {
    if (opener_ && opener_(target_)) {
        setVisited(true);
        return true;
    }
    QApplication::beep();
    prompter_.warning(
        window(), kProgramTitle,
        QStringLiteral("Unable to open hyperlink:\n\n") + openErrorText(kNoAssociation));
    return false;
}

QSize HyperlinkLabel::sizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text_) + 1, metrics.height()};
}

void HyperlinkLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().button());
    painter.setFont(shownFont());
    painter.setPen(textColor());
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, text_);
}

void HyperlinkLabel::enterEvent(QEnterEvent*) {
    hovered_ = true;
    update();
}

void HyperlinkLabel::leaveEvent(QEvent*) {
    hovered_ = false;
    update();
}

void HyperlinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        open();
    } else {
        QWidget::mouseReleaseEvent(event);
    }
}

}  // namespace ztk::simapp

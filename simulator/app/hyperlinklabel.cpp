// SPDX-License-Identifier: MIT
#include "hyperlinklabel.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QProcess>

#include <memory>

#include "prompter.h"

namespace ztk::simapp {

namespace {

// Why xdg-open could not open an address, from its exit status.
QString xdgOpenFailure(int status) {
    switch (status) {
        case 1:
            return QStringLiteral("xdg-open did not accept the address.");
        case 2:
            return QStringLiteral("xdg-open: a file named by the address does not exist.");
        case 3:
            return QStringLiteral("xdg-open found no program to open web addresses.");
        case 4:
            return QStringLiteral("The program chosen by xdg-open could not open the address.");
        default:
            return QStringLiteral("xdg-open failed (exit status %1).").arg(status);
    }
}

// The second way: the command named by BROWSER. Reports `firstReason` with its own.
void openWithBrowserVariable(const QString& address, const QString& firstReason,
                             const std::function<void(const OpenOutcome&)>& done) {
    const QString browser = qEnvironmentVariable("BROWSER").section(u':', 0, 0);
    QStringList command = QProcess::splitCommand(browser);
    if (command.isEmpty()) {
        done({false, firstReason + QStringLiteral("\nBROWSER is not set.")});
        return;
    }
    const QString program = command.takeFirst();
    command.append(address);
    if (QProcess::startDetached(program, command)) {
        done({true, {}});
        return;
    }
    done({false, firstReason +
                     QStringLiteral("\nThe program \"%1\" named by BROWSER could not be started.")
                         .arg(program)});
}

}  // namespace

void openWithDesktop(const QString& address, std::function<void(const OpenOutcome&)> done) {
    auto* process = new QProcess;
    // Exactly one report, whether the process fails to start, crashes or ends.
    auto report = std::make_shared<std::function<void(const OpenOutcome&)>>(std::move(done));
    const auto finish = [process, report, address](const QString& reason) {
        process->disconnect();
        process->deleteLater();
        if (!*report) return;
        const auto callback = std::move(*report);
        *report = nullptr;
        if (reason.isEmpty())
            callback({true, {}});
        else
            openWithBrowserVariable(address, reason, callback);
    };
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, finish](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart)
                             finish(QStringLiteral("xdg-open was not found."));
                         else if (process->state() == QProcess::NotRunning)
                             finish(QStringLiteral("xdg-open stopped unexpectedly."));
                     });
    QObject::connect(process, &QProcess::finished, process,
                     [finish](int status, QProcess::ExitStatus how) {
                         if (how == QProcess::CrashExit)
                             finish(QStringLiteral("xdg-open stopped unexpectedly."));
                         else
                             finish(status == 0 ? QString() : xdgOpenFailure(status));
                     });
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start(QStringLiteral("xdg-open"), {address});
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

void HyperlinkLabel::open() {
    if (!opener_) return;
    const QPointer<HyperlinkLabel> self(this);
    opener_(target_, [self](const OpenOutcome& outcome) {
        if (!self) return;
        if (outcome.opened) {
            self->setVisited(true);
            return;
        }
        QApplication::beep();
        self->prompter_.warning(self->window(), kProgramTitle,
                                QStringLiteral("Unable to open hyperlink:\n\n") + outcome.reason);
    });
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

// SPDX-License-Identifier: MIT
#include "widgets/filteredlineedit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

namespace ztk::pages {

FilteredLineEdit::FilteredLineEdit(QWidget* parent) : QLineEdit(parent) {
    // A drop would put text into the box past the filter.
    setAcceptDrops(false);
}

void FilteredLineEdit::setKeyFilter(KeyFilter filter) {
    filter_ = std::move(filter);
    setAttribute(Qt::WA_InputMethodEnabled, !filter_);
}

void FilteredLineEdit::typeText(const QString& text) {
    for (QChar key : text) {
        if (!filter_) {
            insert(QString(key));
            continue;
        }
        if (const auto passed = filter_(key, this->text().size(), hasSelectedText()))
            insert(QString(*passed));
    }
}

void FilteredLineEdit::pasteFiltered(const QString& text) {
    if (!isReadOnly()) typeText(text);
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
    if (filter_ && event->matches(QKeySequence::Paste)) {
        pasteFiltered(QApplication::clipboard()->text());
        event->accept();
        return;
    }
    // Printable characters go through the filter; editing and moving keys (backspace,
    // delete, arrows, shortcuts) keep their usual meaning.
    const QString typed = event->text();
    const bool printable = typed.size() == 1 && typed[0].isPrint() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (filter_ && printable) {
        typeText(typed);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void FilteredLineEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Queued, so that the mouse press that gave the focus does not undo the selection.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

void FilteredLineEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Another window or a pop-up menu taking the focus is no leaving of the field.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit editingLeft();
}

void FilteredLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (filter_) {
        // The menu's paste action is known by the line edit's own (translated) caption.
        const QString paste = QLineEdit::tr("&Paste");
        for (QAction* action : menu->actions()) {
            if (action->text().section(u'\t', 0, 0) != paste) continue;
            action->disconnect();
            connect(action, &QAction::triggered, this,
                    [this] { pasteFiltered(QApplication::clipboard()->text()); });
        }
    }
    menu->popup(event->globalPos());
}

void FilteredLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the selection on X11 desktops.
    if (filter_ && event->button() == Qt::MiddleButton &&
        QApplication::clipboard()->supportsSelection()) {
        deselect();
        pasteFiltered(QApplication::clipboard()->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

}  // namespace ztk::pages

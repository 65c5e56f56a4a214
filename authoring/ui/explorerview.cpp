// SPDX-License-Identifier: MIT
#include "explorerview.h"

#include "icons.h"
#include "legendo/mainmodel.h"
#include "legendo/nodekey.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace ztk::legendo {
namespace {

constexpr int kKeyRole = Qt::UserRole;

bool movesSelection(const QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
        case Qt::Key_Right:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return true;
        default:
            break;
    }
    // A character key searches the tree for a node of that letter.
    return !event->text().isEmpty();
}

}  // namespace

ExplorerView::ExplorerView(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("TreeView1"));
    setAccessibleName(QString::fromLatin1(kRootText));
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformRowHeights(true);
    setIconSize(QSize(16, 16));
    // Long paths scroll sideways rather than being cut short.
    setTextElideMode(Qt::ElideNone);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { currentChanged(current); });
}

template <typename Change>
void ExplorerView::mirror(Change&& change) {
    const bool before = mirroring_;
    mirroring_ = true;
    change();
    mirroring_ = before;
}

std::string ExplorerView::keyOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, kKeyRole).toString().toStdString() : std::string();
}

QTreeWidgetItem* ExplorerView::itemFor(const std::string& key) const {
    const auto found = items_.find(key);
    return found == items_.end() ? nullptr : found->second;
}

void ExplorerView::addNode(const ExplorerNode& node, int position) {
    mirror([&] {
        auto* item = new QTreeWidgetItem;
        const QString text = QString::fromStdString(node.text);
        item->setText(0, text);
        item->setData(0, Qt::AccessibleTextRole, text);
        item->setData(0, kKeyRole, QString::fromStdString(node.key));
        item->setIcon(0, nodeIcon(node.image));
        QTreeWidgetItem* parent = node.parent ? itemFor(node.parent->key) : nullptr;
        if (parent) {
            parent->insertChild(position, item);
        } else {
            insertTopLevelItem(position, item);
        }
        items_[node.key] = item;
    });
}

void ExplorerView::forget(QTreeWidgetItem* item) {
    for (int i = 0; i < item->childCount(); ++i)
        forget(item->child(i));
    items_.erase(keyOf(item));
}

void ExplorerView::removeNode(const std::string& key) {
    QTreeWidgetItem* item = itemFor(key);
    if (!item) return;
    mirror([&] {
        forget(item);
        delete item;
    });
}

void ExplorerView::updateImage(const ExplorerNode& node) {
    if (QTreeWidgetItem* item = itemFor(node.key)) item->setIcon(0, nodeIcon(node.image));
}

void ExplorerView::reorder(const ExplorerNode& parent) {
    QTreeWidgetItem* item = itemFor(parent.key);
    if (!item) return;
    mirror([&] {
        const QList<QTreeWidgetItem*> taken = item->takeChildren();
        for (const ExplorerNode* child : parent.children) {
            if (QTreeWidgetItem* childItem = itemFor(child->key)) item->addChild(childItem);
        }
        // Anything the model does not know stays, at the end.
        for (QTreeWidgetItem* left : taken) {
            if (!left->parent()) item->addChild(left);
        }
    });
}

void ExplorerView::expandNode(const std::string& key) {
    if (QTreeWidgetItem* item = itemFor(key)) mirror([&] { item->setExpanded(true); });
}

void ExplorerView::selectNode(const std::string& key) {
    QTreeWidgetItem* item = itemFor(key);
    if (!item) return;
    mirror([&] {
        setCurrentItem(item);
        scrollToItem(item);
    });
}

void ExplorerView::currentChanged(QTreeWidgetItem* current) {
    // The keyboard moved the selection (the mouse's presses go to the model directly).
    if (mirroring_ || !model_ || !current) return;
    model_->nodeClick(keyOf(current));
}

void ExplorerView::mousePressEvent(QMouseEvent* event) {
    const QPoint where = event->position().toPoint();
    QTreeWidgetItem* item = itemAt(where);
    if (!model_ || !item) {
        event->accept();
        return;
    }
    // The branch arrow only opens or closes a node: the selection stays.
    const int left = visualItemRect(item).left();
    if (where.x() < left) {
        if (where.x() >= left - indentation()) toggle(item);
        event->accept();
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const MouseButton button = event->button() == Qt::RightButton  ? MouseButton::Right
                               : event->button() == Qt::LeftButton ? MouseButton::Left
                                                                   : MouseButton::Middle;
    model_->mouseDown(button, keyOf(item));
    event->accept();
}

void ExplorerView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    if (model_ && item && model_->selection().selectedKey == keyOf(item)) toggle(item);
    event->accept();
}

void ExplorerView::toggle(QTreeWidgetItem* item) {
    if (item->childCount() > 0) item->setExpanded(!item->isExpanded());
}

void ExplorerView::mouseMoveEvent(QMouseEvent* event) {
    // Dragging with a button held would move the selection past the save prompt.
    if (event->buttons() != Qt::NoButton) {
        event->accept();
        return;
    }
    QTreeWidget::mouseMoveEvent(event);
}

void ExplorerView::keyPressEvent(QKeyEvent* event) {
    if (model_ && movesSelection(event) && model_->selectionKey()) {
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void ExplorerView::contextMenuEvent(QContextMenuEvent* event) {
    // The menu key opens the pop-up of the selected node, as a right click on it does.
    if (model_ && event->reason() == QContextMenuEvent::Keyboard) {
        if (QTreeWidgetItem* item = currentItem())
            model_->mouseDown(MouseButton::Right, keyOf(item));
    }
    event->accept();
}

}  // namespace ztk::legendo

// SPDX-License-Identifier: MIT
#pragma once
// TreeView1: shows the explorer's tree and forwards the user's clicks and keys to the main
// window's model, which decides whether the selection may move (unsaved changes) and what
// it opens. The widget never moves the selection on a mouse press by itself.

#include "legendo/explorertree.h"

#include <QTreeWidget>

#include <optional>
#include <string>
#include <unordered_map>

namespace ztk::legendo {

class MainModel;

class ExplorerView : public QTreeWidget {
    Q_OBJECT
  public:
    explicit ExplorerView(QWidget* parent = nullptr);

    void setModel(MainModel* model) { model_ = model; }

    // Mirroring the model's tree.
    void addNode(const ExplorerNode& node, int position);
    void removeNode(const std::string& key);
    void updateImage(const ExplorerNode& node);
    void reorder(const ExplorerNode& parent);
    void expandNode(const std::string& key);
    void selectNode(const std::string& key);

    QTreeWidgetItem* itemFor(const std::string& key) const;
    static std::string keyOf(const QTreeWidgetItem* item);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    // Runs a change of the widget that must not count as the user's selection.
    template <typename Change>
    void mirror(Change&& change);
    void forget(QTreeWidgetItem* item);
    static void toggle(QTreeWidgetItem* item);
    void currentChanged(QTreeWidgetItem* current);

    MainModel* model_ = nullptr;
    std::unordered_map<std::string, QTreeWidgetItem*> items_;
    bool mirroring_ = false;
};

}  // namespace ztk::legendo

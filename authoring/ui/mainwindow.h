// SPDX-License-Identifier: MIT
#pragma once
// frmMain: the explorer on the left, a splitter, and the four panels on the right, with
// the Manager and Help menus and the explorer's pop-up menus. Its state and operations
// are the MainModel's; the window shows them and forwards the user's input.

#include "itemeditor.h"
#include "legendo/mainmodel.h"
#include "legendo/windowview.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QFrame;
class QMenu;
class QSplitter;
class QStackedWidget;

namespace ztk::legendo {

class ExplorerView;

class MainWindow final : public QMainWindow, public WindowView {
    Q_OBJECT
  public:
    explicit MainWindow(Prompter& prompter, QWidget* parent = nullptr);
    ~MainWindow() override;

    MainModel& model() { return model_; }
    // Start-up of the explorer: the stored files, then `extraFiles`.
    void startUp(const std::vector<std::string>& extraFiles);

    ExplorerView* explorer() const { return tree_; }
    QMenu* popupMenu(PopupMenu menu) const;
    QFrame* frame(Panel panel) const;
    Panel frontPanel() const;
    QSplitter* splitter() const { return splitter_; }

    // WindowView
    void nodeAdded(const ExplorerNode& node, int position) override;
    void nodeRemoved(const std::string& key) override;
    void nodeImageChanged(const ExplorerNode& node) override;
    void childrenReordered(const ExplorerNode& parent) override;
    void nodeExpanded(const std::string& key) override;
    void nodeSelected(const std::string& key) override;
    void bringToFront(Panel panel) override;
    void enableOnly(Panel editor) override;
    void setBusy(bool busy) override;
    void menuStateChanged(const MenuState& menus) override;
    void popUp(PopupMenu menu) override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QAction* addItem(QMenu* menu, const char* name, const char* caption, std::function<void()> run);
    void addSeparator(QMenu* menu, const char* name);
    QMenu* addMenu(QMenu* parent, const char* name, const char* title);
    void buildMenus();
    QWidget* buildPanels();
    void showAbout();

    MainModel model_;
    Editors editors_;
    ExplorerView* tree_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QStackedWidget* panels_ = nullptr;
    std::array<QFrame*, 4> frames_{};
    std::array<QMenu*, 5> popups_{};
    QAction* mnuMessageNew_ = nullptr;
    QAction* mnuMessageDelete_ = nullptr;
    QAction* mnuFileRemove_ = nullptr;
    QAction* mnuObjectDelete_ = nullptr;
    QAction* mnuFormatNewTemplate_ = nullptr;
    QAction* mnuFormatNewMultipg_ = nullptr;
    QAction* mnuFormatNew_ = nullptr;
    int busy_ = 0;
};

}  // namespace ztk::legendo

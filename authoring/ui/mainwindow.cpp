// SPDX-License-Identifier: MIT
#include "mainwindow.h"

#include "aboutdialog.h"
#include "accessiblename.h"
#include "explorerview.h"
#include "icons.h"
#include "legendo/windowgeometry.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace ztk::legendo {
namespace {

using geometry::pixels;

int panelIndex(Panel panel) {
    return static_cast<int>(panel);
}

int popupIndex(PopupMenu menu) {
    return static_cast<int>(menu);
}

}  // namespace

MainWindow::MainWindow(Prompter& prompter, QWidget* parent)
    : QMainWindow(parent), model_(prompter, *this) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    setAccessibleName(windowTitle());
    setWindowIcon(programIcon());

    tree_ = new ExplorerView;
    tree_->setModel(&model_);
    tree_->setMinimumWidth(pixels(geometry::kSplitterMinLeft));

    QWidget* right = buildPanels();
    // The splitter's left edge stays kSplitterMinRight from the window's right edge.
    right->setMinimumWidth(pixels(geometry::kSplitterMinRight) - pixels(geometry::kSplitterWidth));

    splitter_ = new QSplitter(Qt::Horizontal);
    splitter_->setObjectName(QStringLiteral("splitter"));
    splitter_->setAccessibleName(QStringLiteral("Splitter"));
    splitter_->addWidget(tree_);
    splitter_->addWidget(right);
    splitter_->setHandleWidth(pixels(geometry::kSplitterWidth));
    // While dragging, a bar shows where the splitter goes; it moves when released.
    splitter_->setOpaqueResize(false);
    splitter_->setChildrenCollapsible(false);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    splitter_->handle(1)->setObjectName(QStringLiteral("imgSplitter"));
    splitter_->handle(1)->setAccessibleName(QStringLiteral("Splitter"));
    setCentralWidget(splitter_);

    buildMenus();

    const QSize minimum(pixels(geometry::kInitialWidth), pixels(geometry::kInitialHeight));
    setMinimumSize(minimum);
    resize(minimum);
    const int left = pixels(geometry::kSplitterStart);
    splitter_->setSizes({left, minimum.width() - left});

    editors_ = makeEditors(model_, panels_);
    const std::array<std::pair<Panel, ItemEditor*>, 3> placed = {
        std::pair{Panel::Template, editors_.templateEditor.get()},
        std::pair{Panel::Multipage, editors_.multipageEditor.get()},
        std::pair{Panel::String, editors_.stringEditor.get()}};
    for (const auto& [panel, editor] : placed) {
        if (editor && editor->panel()) frame(panel)->layout()->addWidget(editor->panel());
    }
    model_.setEditors(editors_.templateEditor.get(), editors_.multipageEditor.get(),
                      editors_.stringEditor.get());
    bringToFront(Panel::Empty);
}

MainWindow::~MainWindow() {
    // The editors go while their panels, which the window owns, still exist.
    model_.setEditors(nullptr, nullptr, nullptr);
    editors_ = {};
    tree_->setModel(nullptr);
}

void MainWindow::startUp(const std::vector<std::string>& extraFiles) {
    model_.startUp(extraFiles);
}

QWidget* MainWindow::buildPanels() {
    panels_ = new QStackedWidget;
    panels_->setObjectName(QStringLiteral("panels"));
    const std::array<std::pair<const char*, const char*>, 4> names = {
        std::pair{"fraEmpty", "No Item Selected"}, std::pair{"fraTemplate", "Template"},
        std::pair{"fraMultiPgTemplate", "Multipage Template"},
        std::pair{"fraString", "String or Alarm"}};
    for (std::size_t i = 0; i < names.size(); ++i) {
        auto* frame = new QFrame;
        frame->setObjectName(QString::fromLatin1(names[i].first));
        frame->setAccessibleName(QString::fromLatin1(names[i].second));
        frame->setFrameShape(QFrame::NoFrame);
        auto* layout = new QVBoxLayout(frame);
        layout->setContentsMargins(0, 0, 0, 0);
        frames_[i] = frame;
        panels_->addWidget(frame);
    }
    auto* right = new QWidget;
    auto* layout = new QVBoxLayout(right);
    // The panels end a little before the window's right edge.
    layout->setContentsMargins(0, 0, pixels(geometry::kPanelRightMargin), 0);
    layout->addWidget(panels_);
    return right;
}

QAction* MainWindow::addItem(QMenu* menu, const char* name, const char* caption,
                             std::function<void()> run) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [run = std::move(run)] {
        if (run) run();
    });
    return action;
}

void MainWindow::addSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

QMenu* MainWindow::addMenu(QMenu* parent, const char* name, const char* title) {
    QMenu* menu = parent ? parent->addMenu(QString::fromUtf8(title))
                         : menuBar()->addMenu(QString::fromUtf8(title));
    menu->setObjectName(QString::fromLatin1(name));
    menu->setAccessibleName(accessibleNameOf(QString::fromUtf8(title)));
    menu->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Action"));
    return menu;
}

void MainWindow::buildMenus() {
    menuBar()->setAccessibleName(QStringLiteral("Menu Bar"));
    MainModel& m = model_;

    QMenu* file = addMenu(nullptr, "mnuFile", "&Manager");
    addItem(file, "mnuFileNew", "&New Message File...", [&m] { m.newMessageFile(); });
    addSeparator(file, "mnuMessageSep");
    addItem(file, "mnuFileOpen", "&Add Message File...", [&m] { m.addMessageFile(); });
    mnuFileRemove_ =
        addItem(file, "mnuFileRemove", "&Remove Message File", [&m] { m.removeMessageFile(); });
    addSeparator(file, "mnuSeparator1");
    mnuMessageNew_ = addItem(file, "mnuMessageNew", "&New Message...", [&m] { m.newMessage(); });
    mnuMessageDelete_ =
        addItem(file, "mnuMessageDelete", "&Delete Message", [&m] { m.deleteMessage(); });
    addSeparator(file, "mnuSeparator2");
    addItem(file, "mnuFileExit", "E&xit", [this] { close(); });

    QMenu* help = addMenu(nullptr, "mnuHelp", "&Help");
    addItem(help, "mnuHelpContents", "&Contents", {})->setVisible(false);
    QAction* helpSep = help->addSeparator();
    helpSep->setObjectName(QStringLiteral("mnuHelpSep"));
    helpSep->setVisible(false);
    addItem(help, "mnuHelpAbout", "&About", [this] { showAbout(); });

    // The explorer's pop-up menus live in a top-level menu that the menu bar never shows.
    auto* root = new QMenu(QStringLiteral("Root"), this);
    root->setObjectName(QStringLiteral("mnuMenu"));

    QMenu* xml = addMenu(root, "mnuXML", "XML");
    addItem(xml, "mnuXMLNew", "New Message File...", [&m] { m.newMessageFile(); });
    addItem(xml, "mnuXMLAdd", "Add Message File...", [&m] { m.addMessageFile(); });
    addSeparator(xml, "mnuXMLSep");
    addItem(xml, "mnuXMLCancel", "Cancel", {});

    QMenu* xmlFile = addMenu(root, "mnuXMLFile", "XML File");
    addItem(xmlFile, "mnuXMLFileRemove", "Remove Message File", [&m] { m.removeMessageFile(); });
    addSeparator(xmlFile, "mnuXMLFileSep");
    addItem(xmlFile, "mnuXMLFileCancel", "Cancel", {});

    QMenu* formatTemplate = addMenu(root, "mnuFormatTemplate", "Format Template");
    mnuFormatNewTemplate_ =
        addItem(formatTemplate, "mnuFormatNewTemplate", "New Template", [&m] { m.newTemplate(); });
    mnuFormatNewMultipg_ = addItem(formatTemplate, "mnuFormatNewMultipg", "New Multipage Message",
                                   [&m] { m.newMultipageTemplateFromMenu(); });
    addSeparator(formatTemplate, "mnuFormatTemplateSep");
    addItem(formatTemplate, "mnuFormatTemplateCancel", "Cancel", {});

    QMenu* format = addMenu(root, "mnuFormat", "Format");
    mnuFormatNew_ = addItem(format, "mnuFormatNew", "New Message", [&m] { m.newMessage(); });
    addSeparator(format, "mnuFormatSep");
    addItem(format, "mnuFormatCancel", "Canel", {});

    QMenu* object = addMenu(root, "mnuObject", "Object");
    mnuObjectDelete_ =
        addItem(object, "mnuObjectDelete", "Delete Message", [&m] { m.deleteMessage(); });
    addSeparator(object, "mnuObjectSep");
    addItem(object, "mnuObjectCancel", "Cancel", {});

    popups_ = {xml, xmlFile, formatTemplate, format, object};
    menuStateChanged(model_.menus());
}

void MainWindow::showAbout() {
    AboutDialog about(this);
    about.exec();
}

QMenu* MainWindow::popupMenu(PopupMenu menu) const {
    return popups_[static_cast<std::size_t>(popupIndex(menu))];
}

QFrame* MainWindow::frame(Panel panel) const {
    return frames_[static_cast<std::size_t>(panelIndex(panel))];
}

Panel MainWindow::frontPanel() const {
    return static_cast<Panel>(panels_->currentIndex());
}

void MainWindow::nodeAdded(const ExplorerNode& node, int position) {
    tree_->addNode(node, position);
}

void MainWindow::nodeRemoved(const std::string& key) {
    tree_->removeNode(key);
}

void MainWindow::nodeImageChanged(const ExplorerNode& node) {
    tree_->updateImage(node);
}

void MainWindow::childrenReordered(const ExplorerNode& parent) {
    tree_->reorder(parent);
}

void MainWindow::nodeExpanded(const std::string& key) {
    tree_->expandNode(key);
}

void MainWindow::nodeSelected(const std::string& key) {
    tree_->selectNode(key);
}

void MainWindow::bringToFront(Panel panel) {
    panels_->setCurrentIndex(panelIndex(panel));
}

void MainWindow::enableOnly(Panel editor) {
    for (Panel panel : {Panel::Template, Panel::Multipage, Panel::String})
        frame(panel)->setEnabled(panel == editor);
}

void MainWindow::setBusy(bool busy) {
    if (busy) {
        if (busy_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busy_ > 0 && --busy_ == 0) {
        QApplication::restoreOverrideCursor();
    }
}

void MainWindow::menuStateChanged(const MenuState& menus) {
    mnuMessageNew_->setEnabled(menus.messageNew);
    mnuMessageDelete_->setEnabled(menus.messageDelete);
    mnuFileRemove_->setEnabled(menus.fileRemove);
    mnuObjectDelete_->setText(QString::fromStdString(menus.objectDelete));
    mnuFormatNewTemplate_->setText(QString::fromStdString(menus.formatNewTemplate));
    mnuFormatNewMultipg_->setText(QString::fromStdString(menus.formatNewMultipg));
    mnuFormatNew_->setText(QString::fromStdString(menus.formatNew));
}

void MainWindow::popUp(PopupMenu menu) {
    popupMenu(menu)->popup(QCursor::pos());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (model_.queryClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace ztk::legendo

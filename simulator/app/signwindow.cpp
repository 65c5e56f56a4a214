// SPDX-License-Identifier: MIT
#include "signwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <QWindow>

#include "aboutdialog.h"
#include "changedisplaydialog.h"
#include "linkbar.h"
#include "signgeometry.h"
#include "simcore/displayengine.h"
#include "simsettings.h"
#include "versioninfo.h"

namespace ztk::simapp {
namespace {

// The free area of the primary screen (without panels and docks).
QRect screenRoom() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return screen->availableGeometry();
    return {0, 0, 1 << 15, 1 << 15};
}

// The frame and title bar a window manager is likely to add, used until the real ones are
// known. Platforms without a window manager add none.
QMargins estimatedFrame() {
    const QString platform = QGuiApplication::platformName();
    if (platform == QStringLiteral("xcb") || platform.startsWith(QStringLiteral("wayland")))
        return {4, 30, 4, 4};
    return {};
}

}  // namespace

SignWindow::SignWindow(SimSettings& settings, Prompter& prompter, QString className,
                       int linkBarHeight)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      settings_(settings),
      prompter_(prompter),
      className_(std::move(className)),
      linkBarHeight_(std::max(linkBarHeight, 0)),
      hour24_(settings.integer(key::kHour24, 0) != 0),
      image_([this] {
          // Runs on the engine's thread: only a queued call crosses over.
          QMetaObject::invokeMethod(this, "repaintScreen", Qt::QueuedConnection);
      }),
      menu_(new QMenu(this)) {
    // The LEDs cover the whole area above the link bar: no background to erase.
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (linkBarHeight_ > 0) linkBar_ = new LinkBar(prompter_, this);

    changeAction_ = addCommand(QStringLiteral("Change &Display...\tCtrl+D"),
                               QKeySequence(Qt::CTRL | Qt::Key_D), &SignWindow::changeDisplay);
    menu_->addSeparator();
    largerAction_ = addCommand(QStringLiteral("Make &Larger\tCtrl+PgUp"),
                               QKeySequence(Qt::CTRL | Qt::Key_PageUp), &SignWindow::makeLarger);
    smallerAction_ =
        addCommand(QStringLiteral("Make &Smaller\tCtrl+PgDn"),
                   QKeySequence(Qt::CTRL | Qt::Key_PageDown), &SignWindow::makeSmaller);
    menu_->addSeparator();
    hour24Action_ = addCommand(QStringLiteral("24-Hour &Clock"), {}, &SignWindow::toggleHour24);
    stayOnTopAction_ = addCommand(QStringLiteral("Stay on &Top"), {}, &SignWindow::toggleStayOnTop);
    menu_->addSeparator();
    aboutAction_ = addCommand(QStringLiteral("&About OrvexSim..."), {}, &SignWindow::showAbout);
    hour24Action_->setCheckable(true);
    stayOnTopAction_->setCheckable(true);
    updateMenuStates();

    // A log-off or shutdown ends the program without a close: keep the position then too.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { savePosition(); });
}

SignWindow::~SignWindow() {
    stopEngine();
}

QAction* SignWindow::addCommand(const QString& text, const QKeySequence& shortcut,
                                void (SignWindow::*command)()) {
    auto* action = new QAction(text, this);
    // The shortcuts work without the menu open, like accelerators.
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, command] { (this->*command)(); });
    addAction(action);
    menu_->addAction(action);
    return action;
}

QMargins SignWindow::frame() const {
    if (const QWindow* handle = windowHandle(); handle && isVisible()) {
        const QMargins known = handle->frameMargins();
        if (!known.isNull()) return known;
    }
    return knownFrame_.value_or(estimatedFrame());
}

void SignWindow::setSignGeometry(const sim::DisplayModel& model, int zoom) {
    stopEngine();
    requestedZoom_ = zoom;
    fittedFrame_ = frame();
    const ZoomFit fit = fitZoom(model.columns, model.rows, zoom, linkBarHeight_,
                                clientRoom(screenRoom().size(), fittedFrame_));
    model_ = model;
    zoom_ = fit.zoom;
    zoomCapped_ = fit.capped;

    setWindowTitle(QString::fromStdString(model_.name));
    const QSize client = clientSize(model_.columns, model_.rows, zoom_, linkBarHeight_);
    setFixedSize(client);
    if (linkBar_)
        linkBar_->setGeometry(0, client.height() - linkBarHeight_, client.width(), linkBarHeight_);
    settings_.setInteger(key::kZoom, zoom_);
    updateMenuStates();
    startEngine();
    update();
}

bool SignWindow::reconfigure(const QString& modelLine) {
    const auto model = sim::DisplayModel::parse(modelLine.toStdString());
    if (!model) return false;
    setSignGeometry(*model, zoom_);
    return true;
}

void SignWindow::placeAndShow() {
    const QPoint stored(settings_.integer(key::kLeft, -1), settings_.integer(key::kTop, -1));
    const QMargins margins = frame();
    move(framePlacement(screenRoom(), size().grownBy(margins), stored));
    stayOnTop_ = settings_.integer(key::kTopmost, 0) != 0;
    // Before the first show there is no native window to re-create.
    setWindowFlag(Qt::WindowStaysOnTopHint, stayOnTop_);
    updateMenuStates();
    show();
}

void SignWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // The window manager tells the real frame only once the window is on screen: when it
    // differs from the one the zoom was fitted to, fit and place the window again.
    const QWindow* handle = windowHandle();
    if (!handle || !isVisible() || handle->frameMargins().isNull()) return;
    const QMargins real = handle->frameMargins();
    knownFrame_ = real;
    if (real == fittedFrame_) return;
    fittedFrame_ = real;
    const QRect room = screenRoom();
    const ZoomFit fit = fitZoom(model_.columns, model_.rows, requestedZoom_, linkBarHeight_,
                                clientRoom(room.size(), real));
    if (fit != ZoomFit{zoom_, zoomCapped_}) setSignGeometry(model_, requestedZoom_);
    if (!room.contains(QRect(pos(), size().grownBy(real))))
        move(framePlacement(room, size().grownBy(real), pos()));
}

QRect SignWindow::ledArea() const {
    return {0, 0, width(), height() - linkBarHeight_};
}

bool SignWindow::engineRunning() const {
    return engine_ && engine_->running();
}

void SignWindow::startEngine() {
    prepareContent(model_);
    sim::EngineOptions options;
    options.zoom = zoom_;
    options.hour24 = hour24_;
    engine_ = std::make_unique<sim::DisplayEngine>(content(), model_, image_, options);
    engine_->start();
}

void SignWindow::stopEngine() {
    if (!engine_) return;
    engine_->stop();
    engine_.reset();
}

void SignWindow::repaintScreen() {
    const QRect dirty = image_.takeDirty() & ledArea();
    if (!dirty.isEmpty()) update(dirty);
}

void SignWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect() & ledArea();
    const QRect drawn = image_.draw(painter, area);
    // Black where the screen image does not reach, as before the engine's first frame.
    if (drawn != area) {
        for (const QRect& rest : QRegion(area).subtracted(drawn))
            painter.fillRect(rest, Qt::black);
    }
}

MenuState SignWindow::menuState() const {
    return {.largerEnabled = !zoomCapped_,
            .smallerEnabled = zoom_ > 0,
            .hour24Checked = hour24_,
            .stayOnTopChecked = stayOnTop_};
}

void SignWindow::updateMenuStates() {
    const MenuState state = menuState();
    largerAction_->setEnabled(state.largerEnabled);
    smallerAction_->setEnabled(state.smallerEnabled);
    hour24Action_->setChecked(state.hour24Checked);
    stayOnTopAction_->setChecked(state.stayOnTopChecked);
}

QMenu& SignWindow::contextMenu() {
    updateMenuStates();
    return *menu_;
}

void SignWindow::contextMenuEvent(QContextMenuEvent* event) {
    // From the keyboard the menu opens at the client origin.
    const QPoint at = event->reason() == QContextMenuEvent::Keyboard ? QPoint(0, 0) : event->pos();
    if (!ledArea().contains(at)) {
        event->ignore();
        return;
    }
    contextMenu().exec(mapToGlobal(at));
}

void SignWindow::closeEvent(QCloseEvent* event) {
    shutDown();
    event->accept();
}

void SignWindow::shutDown() {
    savePosition();
    stopEngine();
}

void SignWindow::makeLarger() {
    if (!zoomCapped_) setSignGeometry(model_, zoom_ + 1);
}

void SignWindow::makeSmaller() {
    if (zoom_ > 0) setSignGeometry(model_, zoom_ - 1);
}

void SignWindow::toggleHour24() {
    hour24_ = !hour24_;
    settings_.setInteger(key::kHour24, hour24_ ? 1 : 0);
    if (engine_) engine_->setHour24(hour24_);
    updateMenuStates();
}

void SignWindow::toggleStayOnTop() {
    stayOnTop_ = !stayOnTop_;
    settings_.setInteger(key::kTopmost, stayOnTop_ ? 1 : 0);
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, stayOnTop_);
    if (QWindow* handle = windowHandle()) {
        // QWidget::setWindowFlags() would re-create the native window (it blinks and gets a
        // new id). The flags go to the native window in place instead; on X11 that sets the
        // window manager's _NET_WM_STATE_ABOVE state.
        overrideWindowFlags(flags);
        handle->setFlags(flags);
    } else {
        setWindowFlags(flags);
    }
    updateMenuStates();
}

void SignWindow::changeDisplay() {
    ChangeDisplayDialog dialog(settings_, prompter_, windowTitle(), this);
    if (dialog.exec() == QDialog::Accepted) reconfigure(dialog.modelLine());
}

void SignWindow::showAbout() {
    AboutDialog dialog(programVersion(), this);
    dialog.exec();
}

void SignWindow::bringForward() {
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
}

void SignWindow::savePosition() {
    const QPoint at = pos();
    settings_.setInteger(key::kLeft, at.x());
    settings_.setInteger(key::kTop, at.y());
}

}  // namespace ztk::simapp

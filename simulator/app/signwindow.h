// SPDX-License-Identifier: MIT
#pragma once
// SignWindow: the simulator's top-level window. It shows the sign's LEDs at a zoom (each LED
// a dot in a (zoom + 1)-pixel cell) above the link bar, owns the display engine that draws
// them, and offers the context menu: Change Display, Make Larger/Smaller, 24-Hour Clock,
// Stay on Top, About. What the engine shows comes from the derived class.

#include <QMargins>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

#include "screenimage.h"
#include "simcore/displaymodel.h"

class QAction;
class QMenu;

namespace ztk::sim {
class DisplayEngine;
class SignContent;
}  // namespace ztk::sim

namespace ztk::simapp {

class LinkBar;
class Prompter;
class SimSettings;

// Which context-menu commands can be chosen and which carry a check mark.
struct MenuState {
    bool largerEnabled = true;
    bool smallerEnabled = true;
    bool hour24Checked = false;
    bool stayOnTopChecked = false;
    friend bool operator==(const MenuState&, const MenuState&) = default;
};

class SignWindow : public QWidget {
    Q_OBJECT
  public:
    // A window registered under `className`, with a link bar of `linkBarHeight` pixels (0:
    // none). It reads and writes its settings in `settings` and shows messages through
    // `prompter`; both must outlive it. The 24-hour clock comes from the settings. Call
    // setSignGeometry() before showing it.
    SignWindow(SimSettings& settings, Prompter& prompter, QString className, int linkBarHeight);
    // A derived class calls stopEngine() in its own destructor, before what the engine reads
    // goes away.
    ~SignWindow() override;

    // Sets the display geometry: stops the engine, caps the zoom so the window fits the
    // screen, sizes and titles the window, writes "Zoom", and starts a new engine for
    // `model`.
    void setSignGeometry(const sim::DisplayModel& model, int zoom);
    // Applies model line `modelLine` at the current zoom. False, with nothing changed, when
    // the line is not a model the simulator can show.
    bool reconfigure(const QString& modelLine);
    // Places the window at the stored "left"/"top" (centred when either is off the screen),
    // applies the stored "Topmost" and shows it.
    void placeAndShow();

    const sim::DisplayModel& model() const { return model_; }
    QString className() const { return className_; }
    int zoom() const { return zoom_; }
    bool zoomCapped() const { return zoomCapped_; }
    bool hour24() const { return hour24_; }
    bool stayOnTop() const { return stayOnTop_; }
    int linkBarHeight() const { return linkBarHeight_; }
    // The LEDs' part of the client area.
    QRect ledArea() const;
    // The link bar; null when the window has none.
    LinkBar* linkBar() const { return linkBar_; }
    // What the window shows of the sign.
    const ScreenImage& screenImage() const { return image_; }
    // Whether a display engine runs now.
    bool engineRunning() const;

    MenuState menuState() const;
    // The context menu, with its states brought up to date.
    QMenu& contextMenu();

    // The menu's commands.
    void makeLarger();
    void makeSmaller();
    void toggleHour24();
    void toggleStayOnTop();
    void changeDisplay();
    void showAbout();

    // Restores the window when minimised and brings it forward.
    void bringForward();
    // Writes the window's position as "left" and "top".
    void savePosition();
    // What closing the window does: saves the position and stops the engine.
    void shutDown();
    // The window frame and title bar around the client area: the window manager's once the
    // window is shown, an estimate before.
    QMargins frame() const;

  protected:
    // What the engine shows; called whenever an engine is made.
    virtual sim::SignContent& content() = 0;
    // Brings the content up to date for `model` before a new engine starts.
    virtual void prepareContent(const sim::DisplayModel& model) = 0;

    sim::DisplayEngine* engine() const { return engine_.get(); }
    // Stops and deletes the engine, if there is one.
    void stopEngine();

    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private:
    // Repaints what the engine has presented since the last time; queued from the engine.
    Q_INVOKABLE void repaintScreen();
    void startEngine();
    void updateMenuStates();
    QAction* addCommand(const QString& text, const QKeySequence& shortcut,
                        void (SignWindow::*command)());

    SimSettings& settings_;
    Prompter& prompter_;
    QString className_;
    int linkBarHeight_;
    sim::DisplayModel model_;
    int zoom_ = 0;
    int requestedZoom_ = 0;  // the zoom asked for before it was capped
    QMargins fittedFrame_;   // the frame the zoom was fitted to
    std::optional<QMargins> knownFrame_;
    bool zoomCapped_ = false;
    bool hour24_ = false;
    bool stayOnTop_ = false;

    ScreenImage image_;
    std::unique_ptr<sim::DisplayEngine> engine_;
    LinkBar* linkBar_ = nullptr;  // a child, owned by this widget

    QMenu* menu_;  // a child, owned by this widget
    QAction* changeAction_;
    QAction* largerAction_;
    QAction* smallerAction_;
    QAction* hour24Action_;
    QAction* stayOnTopAction_;
    QAction* aboutAction_;
};

}  // namespace ztk::simapp

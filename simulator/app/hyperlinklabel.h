// SPDX-License-Identifier: MIT
#pragma once
// HyperlinkLabel: a line of text that opens a web address when clicked. Link colour, visited
// colour once opened, hover colour with an underline while the pointer is over it, a hand
// cursor, and the address as its tool tip.

#include <QColor>
#include <QString>
#include <QWidget>

#include <functional>

namespace ztk::simapp {

class Prompter;

inline const QColor kLinkColor(0, 0, 238);
inline const QColor kVisitedColor(85, 26, 139);
inline const QColor kHoverColor(255, 0, 0);

// How an attempt to open an address ended; `reason` says why it failed.
struct OpenOutcome {
    bool opened = false;
    QString reason;
};

class HyperlinkLabel : public QWidget {
    Q_OBJECT
  public:
    // Opens `address` and calls `done` once with the outcome, at once or later from the
    // event loop.
    using Opener =
        std::function<void(const QString& address, std::function<void(const OpenOutcome&)> done)>;

    explicit HyperlinkLabel(Prompter& prompter, QWidget* parent = nullptr);

    QString text() const { return text_; }
    // Sets the text and resizes the label to it.
    void setText(const QString& text);
    QString target() const { return target_; }
    // Sets the address and its tool tip.
    void setTarget(const QString& address);
    bool visited() const { return visited_; }
    void setVisited(bool visited);
    bool hovered() const { return hovered_; }
    // The colour the text is drawn in now.
    QColor textColor() const;

    // Replaces how addresses are opened (xdg-open, then $BROWSER).
    void setOpener(Opener opener) { opener_ = std::move(opener); }
    // Opens the target. Once the opener reports, the link is marked visited when it really
    // opened, or the label beeps and warns "Unable to open hyperlink:" with the reason.
    void open();

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QFont shownFont() const;

    Prompter& prompter_;
    Opener opener_;
    QString text_;
    QString target_;
    bool visited_ = false;
    bool hovered_ = false;
};

// Opens `address` with xdg-open, which hands it to the desktop's browser and tells by its
// exit status whether that worked; when it cannot, with the command named by the BROWSER
// environment variable (its first entry), which counts as opened once it has started.
void openWithDesktop(const QString& address, std::function<void(const OpenOutcome&)> done);

}  // namespace ztk::simapp

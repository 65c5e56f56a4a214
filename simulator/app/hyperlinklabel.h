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

// The shell's error text for opening failure `code`.
QString openErrorText(int code);
// The error code reported when no program would open the address: nothing is associated
// with it.
inline constexpr int kNoAssociation = 31;

class HyperlinkLabel : public QWidget {
    Q_OBJECT
  public:
    // Opens `address`; true when a program took it.
    using Opener = std::function<bool(const QString& address)>;

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

    // Replaces how addresses are opened (the desktop's default browser, then $BROWSER).
    void setOpener(Opener opener) { opener_ = std::move(opener); }
    // Opens the target: marks the link visited, or beeps and warns "Unable to open
    // hyperlink:" with the reason. True when it opened.
    bool open();

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

// Opens `address` with the desktop's default browser, or else with the command named by the
// BROWSER environment variable (its first entry); true when one started.
bool openWithDesktop(const QString& address);

}  // namespace ztk::simapp

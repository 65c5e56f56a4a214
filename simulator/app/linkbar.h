// SPDX-License-Identifier: MIT
#pragma once
// LinkBar: the strip along the bottom of the sign window, in the button-face colour with an
// etched frame, holding a link to the maker's web site.

#include <QWidget>

namespace ztk::simapp {

class HyperlinkLabel;
class Prompter;

class LinkBar : public QWidget {
    Q_OBJECT
  public:
    // A bar whose link shows the program's legal copyright and opens its web address.
    LinkBar(Prompter& prompter, QWidget* parent);

    HyperlinkLabel& link() { return *link_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    HyperlinkLabel* link_;  // a child, owned by this widget
};

}  // namespace ztk::simapp

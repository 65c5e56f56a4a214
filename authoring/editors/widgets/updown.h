// SPDX-License-Identifier: MIT
#pragma once
// An up-down control: two small arrow buttons beside a box, as a person steps a number.

#include <QWidget>

class QToolButton;

namespace ztk::legendo {

class UpDown : public QWidget {
    Q_OBJECT
  public:
    explicit UpDown(QWidget* parent = nullptr);
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

  signals:
    void up();
    void down();

  private:
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace ztk::legendo

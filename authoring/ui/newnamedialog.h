// SPDX-License-Identifier: MIT
#pragma once
// frmNewName: asks for the name of a new template, string or alarm. fOK() tells whether
// the user confirmed with OK or Enter; any other way of closing leaves it false.

#include <QDialog>

class QLineEdit;

namespace ztk::legendo {

class NewNameDialog : public QDialog {
    Q_OBJECT
  public:
    explicit NewNameDialog(const QString& caption, QWidget* parent = nullptr);

    bool fOK() const { return ok_; }
    QString name() const;

  private:
    void confirm();

    QLineEdit* txtNewName_ = nullptr;
    bool ok_ = false;
};

}  // namespace ztk::legendo

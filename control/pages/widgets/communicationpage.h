// SPDX-License-Identifier: MIT
#pragma once
// ppgCommunication, the "Communication" page: the connect mode, and the serial or TCP/IP
// settings of the chosen mode in one shared place.

#include "model/communicationpagemodel.h"
#include "widgets/propertypage.h"

class QComboBox;
class QGroupBox;
class QRadioButton;
class QStackedWidget;

namespace ztk::pages {

class FilteredLineEdit;

class CommunicationPage final : public PropertyPage {
    Q_OBJECT
  public:
    explicit CommunicationPage(QWidget* parent = nullptr);

    QString caption() const override;

    const CommunicationPageModel& model() const { return model_; }

  protected:
    void showModel() override;
    // Tab on optSerial goes to the port list.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QComboBox* list(const QString& name, const QStringList& entries,
                    void (CommunicationPageModel::*choose)(int));

    CommunicationPageModel model_;
    QRadioButton* serial_;
    QRadioButton* tcpIp_;
    QRadioButton* simulate_;
    QStackedWidget* settings_;
    QGroupBox* serialFrame_;
    QGroupBox* tcpIpFrame_;
    QGroupBox* simulateFrame_;
    QComboBox* comPort_;
    QComboBox* baudRate_;
    QComboBox* parity_;
    QComboBox* dataBits_;
    QComboBox* stopBits_;
    FilteredLineEdit* networkAddress_;
    FilteredLineEdit* port_;
};

}  // namespace ztk::pages

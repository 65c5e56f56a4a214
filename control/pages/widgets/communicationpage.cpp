// SPDX-License-Identifier: MIT
#include "widgets/communicationpage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "model/inputfilters.h"
#include "model/pagetexts.h"
#include "widgets/filteredlineedit.h"

namespace ztk::pages {
namespace {

QRadioButton* option(const QString& name, const QString& caption) {
    auto* button = new QRadioButton(caption);
    button->setObjectName(name);
    return button;
}

QGroupBox* settingsFrame(const QString& name) {
    auto* frame = new QGroupBox(text::kSettingsFrame);
    frame->setObjectName(name);
    return frame;
}

void addRow(QFormLayout* form, const QString& label, QWidget* field) {
    auto* caption = new QLabel(label);
    caption->setBuddy(field);
    form->addRow(caption, field);
}

}  // namespace

CommunicationPage::CommunicationPage(QWidget* parent)
    : PropertyPage(&model_, parent),
      serial_(option(field::kSerialOption, text::kSerialOption)),
      tcpIp_(option(field::kTcpIpOption, text::kTcpIpOption)),
      simulate_(option(field::kSimulateOption, text::kSimulateOption)),
      settings_(new QStackedWidget),
      serialFrame_(settingsFrame(field::kSerialFrame)),
      tcpIpFrame_(settingsFrame(field::kTcpIpFrame)),
      simulateFrame_(settingsFrame(field::kSimulateFrame)),
      comPort_(
          list(field::kComPort, text::comPortEntries(), &CommunicationPageModel::chooseComPort)),
      baudRate_(
          list(field::kBaudRate, text::baudRateEntries(), &CommunicationPageModel::chooseBaudRate)),
      parity_(list(field::kParity, text::parityEntries(), &CommunicationPageModel::chooseParity)),
      dataBits_(
          list(field::kDataBits, text::dataBitsEntries(), &CommunicationPageModel::chooseDataBits)),
      stopBits_(
          list(field::kStopBits, text::stopBitsEntries(), &CommunicationPageModel::chooseStopBits)),
      networkAddress_(new FilteredLineEdit),
      port_(new FilteredLineEdit) {
    setObjectName(QStringLiteral("ppgCommunication"));

    auto* mode = new QGroupBox(text::kModeFrame);
    mode->setObjectName(QStringLiteral("fraMode"));
    auto* modeLayout = new QHBoxLayout(mode);
    modeLayout->addWidget(serial_);
    modeLayout->addWidget(tcpIp_);
    modeLayout->addWidget(simulate_);
    modeLayout->addStretch(1);

    auto* serialForm = new QFormLayout(serialFrame_);
    addRow(serialForm, text::kComPortLabel, comPort_);
    addRow(serialForm, text::kBaudRateLabel, baudRate_);
    addRow(serialForm, text::kParityLabel, parity_);
    addRow(serialForm, text::kDataBitsLabel, dataBits_);
    addRow(serialForm, text::kStopBitsLabel, stopBits_);

    networkAddress_->setObjectName(field::kNetworkAddress);
    port_->setObjectName(field::kNetworkPort);
    port_->setKeyFilter([](QChar key, qsizetype, bool) { return filterPortKey(key); });
    port_->setMaximumWidth(port_->fontMetrics().horizontalAdvance(u'0') * 10);
    auto* tcpIpForm = new QFormLayout(tcpIpFrame_);
    addRow(tcpIpForm, text::kIpAddressLabel, networkAddress_);
    addRow(tcpIpForm, text::kPortLabel, port_);

    auto* none = new QLabel(text::kNoSimulationSettings);
    none->setAlignment(Qt::AlignCenter);
    auto* simulateLayout = new QVBoxLayout(simulateFrame_);
    simulateLayout->addWidget(none);

    settings_->addWidget(serialFrame_);
    settings_->addWidget(tcpIpFrame_);
    settings_->addWidget(simulateFrame_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mode);
    layout->addWidget(settings_);
    layout->addStretch(1);

    const auto chooseMode = [this](QRadioButton* button, ConnectChoice choice) {
        connect(button, &QRadioButton::clicked, this, [this, choice] {
            model_.chooseMode(choice);
            showModel();
            emit changed();
        });
    };
    chooseMode(serial_, ConnectChoice::Serial);
    chooseMode(tcpIp_, ConnectChoice::TcpIp);
    chooseMode(simulate_, ConnectChoice::Simulate);
    serial_->installEventFilter(this);

    connect(networkAddress_, &QLineEdit::textChanged, this, [this](const QString& text) {
        model_.editNetworkAddress(text);
        emit changed();
    });
    connect(port_, &QLineEdit::textChanged, this, [this](const QString& text) {
        model_.editPort(text);
        emit changed();
    });
    connect(port_, &FilteredLineEdit::editingLeft, this, [this] {
        model_.leavePortBox();
        showModel();
        emit changed();
    });

    // As opened: the lists filled, serial chosen, nothing changed yet.
    showModel();
    setUnchanged();
}

QComboBox* CommunicationPage::list(const QString& name, const QStringList& entries,
                                   void (CommunicationPageModel::*choose)(int)) {
    auto* box = new QComboBox;
    box->setObjectName(name);
    box->addItems(entries);
    connect(box, &QComboBox::activated, this, [this, choose](int index) {
        (model_.*choose)(index);
        emit changed();
    });
    return box;
}

QString CommunicationPage::caption() const {
    return text::kCommunicationCaption;
}

bool CommunicationPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == serial_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier &&
            comPort_->isVisibleTo(this)) {
            comPort_->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return PropertyPage::eventFilter(watched, event);
}

void CommunicationPage::showModel() {
    switch (model_.mode()) {
        case ConnectChoice::Serial:
            serial_->setChecked(true);
            settings_->setCurrentWidget(serialFrame_);
            break;
        case ConnectChoice::TcpIp:
            tcpIp_->setChecked(true);
            settings_->setCurrentWidget(tcpIpFrame_);
            break;
        case ConnectChoice::Simulate:
            simulate_->setChecked(true);
            settings_->setCurrentWidget(simulateFrame_);
            break;
    }
    comPort_->setCurrentIndex(model_.comPortIndex());
    baudRate_->setCurrentIndex(model_.baudRateIndex());
    parity_->setCurrentIndex(model_.parityIndex());
    dataBits_->setCurrentIndex(model_.dataBitsIndex());
    stopBits_->setCurrentIndex(model_.stopBitsIndex());
    networkAddress_->setText(model_.networkAddress());
    port_->setText(model_.port());
}

}  // namespace ztk::pages

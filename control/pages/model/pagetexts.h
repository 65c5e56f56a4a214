// SPDX-License-Identifier: MIT
#pragma once
// The pages' own texts: captions, labels, tips, the chooser filters and the list entries.

#include <QString>
#include <QStringList>

namespace ztk::pages::text {

// Page captions, in the order the control lists its pages.
inline const QString kGeneralCaption = QStringLiteral("General");
inline const QString kCommunicationCaption = QStringLiteral("Communication");
inline const QString kAboutCaption = QStringLiteral("About");

// "General"
inline const QString kMarqueeTypeLabel = QStringLiteral("Marquee Type:");
inline const QString kMarqueeAddressLabel = QStringLiteral("Marquee Address:");
inline const QString kMarqueeAddressTip = QStringLiteral("[00-FF];  00 broadcasts");
inline const QString kMessageFileLabel = QStringLiteral("Message File:");
inline const QString kMessageFileTip =
    QStringLiteral("File containing messages to be displayed.  Can be changed at run-time.");
inline const QString kLogFileLabel = QStringLiteral("Error Log File:");
inline const QString kLogFileTip = QStringLiteral("File where any errors are logged.");
inline const QString kBrowseCaption = QStringLiteral("...");

// Chooser filters: pairs of a description and a pattern, separated by vertical bars.
inline const QString kMessageFileFilter =
    QStringLiteral("XML Files(*.xml)|*.xml|All Files (*.*)|*.*");
inline const QString kLogFileFilter = QStringLiteral("Text Files(*.txt)|*.txt|All Files (*.*)|*.*");

// "Communication"
inline const QString kModeFrame = QStringLiteral("Mode");
inline const QString kSerialOption = QStringLiteral("Serial");
inline const QString kTcpIpOption = QStringLiteral("TCP/IP");
inline const QString kSimulateOption = QStringLiteral("Simulate");
inline const QString kSettingsFrame = QStringLiteral("Settings");
inline const QString kComPortLabel = QStringLiteral("ComPort:");
inline const QString kBaudRateLabel = QStringLiteral("BaudRate:");
inline const QString kParityLabel = QStringLiteral("Parity:");
inline const QString kDataBitsLabel = QStringLiteral("DataBits:");
inline const QString kStopBitsLabel = QStringLiteral("StopBits:");
inline const QString kIpAddressLabel = QStringLiteral("IP Address:");
inline const QString kPortLabel = QStringLiteral("Port:");
inline const QString kNoSimulationSettings = QStringLiteral("No settings for simulation");

// "About"
inline const QString kAboutTitle = QStringLiteral("Marquee Control");

// The dialog that hosts the pages.
inline const QString kDialogTitle = QStringLiteral("Marquee Properties");

// List entries, in the order shown.
QStringList marqueeTypeEntries();
QStringList comPortEntries();   // "COM 1" .. "COM 16"
QStringList baudRateEntries();  // "110" .. "256000"
QStringList parityEntries();
QStringList dataBitsEntries();  // "8" down to "4"
QStringList stopBitsEntries();

}  // namespace ztk::pages::text

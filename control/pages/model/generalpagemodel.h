// SPDX-License-Identifier: MIT
#pragma once
// The "General" page's fields: sign type, address, message file and error log file.

#include <QString>

#include <cstdint>

#include "model/pagemodel.h"

namespace ztk::pages {

// The fields' object names, which also name them in a Refusal.
namespace field {
inline const QString kMarqueeType = QStringLiteral("cboMarqueeType");
inline const QString kMarqueeAddress = QStringLiteral("txtMarqueeAddress");
inline const QString kMessageFile = QStringLiteral("txtMessageFile");
inline const QString kMessageFileButton = QStringLiteral("cmdMessage");
inline const QString kLogFile = QStringLiteral("txtMarqueeLogFile");
inline const QString kLogFileButton = QStringLiteral("cmdLog");
}  // namespace field

class GeneralPageModel final : public PageModel {
  public:
    // The page as it opens: the type list's one entry chosen, the text boxes empty.
    GeneralPageModel() = default;

    // Loads address, type, log file and message file.
    void load(const Marquee& marquee) override;
    // Sets MarqueeAddress, MarqueeType, MarqueeLogFile and MessageFile, in that order.
    std::optional<Refusal> apply(Marquee& marquee) const override;

    // The list position of the type, or -1 for a stored type the list does not offer (it is
    // then applied as it was stored, until a list entry is chosen).
    int typeIndex() const;
    std::uint8_t marqueeType() const { return type_; }
    void chooseType(int index);

    const QString& address() const { return address_; }
    void editAddress(const QString& text) { edit(address_, text); }
    // The address box lost the focus: its text is completed to two digits.
    void leaveAddressBox();

    const QString& messageFile() const { return messageFile_; }
    void editMessageFile(const QString& text) { edit(messageFile_, text); }
    const QString& logFile() const { return logFile_; }
    void editLogFile(const QString& text) { edit(logFile_, text); }

  private:
    std::uint8_t type_ = 0;
    QString address_;
    QString messageFile_;
    QString logFile_;
};

}  // namespace ztk::pages

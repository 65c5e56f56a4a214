// SPDX-License-Identifier: MIT
#include "model/generalpagemodel.h"

#include "ZTKMarqueeControl/marquee.h"
#include "model/inputfilters.h"
#include "model/pagetexts.h"

namespace ztk::pages {

void GeneralPageModel::load(const Marquee& marquee) {
    address_ = marquee.MarqueeAddress();
    type_ = marquee.MarqueeType();
    logFile_ = marquee.MarqueeLogFile();
    messageFile_ = marquee.MessageFile();
    setUnchanged();
}

std::optional<Refusal> GeneralPageModel::apply(Marquee& marquee) const {
    return runSteps(marquee, {
                                 {QStringLiteral("MarqueeAddress"), field::kMarqueeAddress,
                                  [this](Marquee& m) { m.setMarqueeAddress(address_); }},
                                 {QStringLiteral("MarqueeType"), field::kMarqueeType,
                                  [this](Marquee& m) { m.setMarqueeType(type_); }},
                                 {QStringLiteral("MarqueeLogFile"), field::kLogFile,
                                  [this](Marquee& m) { m.setMarqueeLogFile(logFile_); }},
                                 {QStringLiteral("MessageFile"), field::kMessageFile,
                                  [this](Marquee& m) { m.setMessageFile(messageFile_); }},
                             });
}

int GeneralPageModel::typeIndex() const {
    return type_ < text::marqueeTypeEntries().size() ? type_ : -1;
}

void GeneralPageModel::chooseType(int index) {
    if (index < 0 || index >= text::marqueeTypeEntries().size()) return;
    choose(type_, static_cast<std::uint8_t>(index));
}

void GeneralPageModel::leaveAddressBox() {
    editAddress(leaveAddress(address_));
}

}  // namespace ztk::pages

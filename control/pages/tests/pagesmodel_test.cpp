// SPDX-License-Identifier: MIT
// The pages' model without widgets: input filters, chooser filters, loading, apply order and
// refusals, changed marking.
#include <gtest/gtest.h>

#include "model/communicationpagemodel.h"
#include "model/filechooserfilter.h"
#include "model/generalpagemodel.h"
#include "model/inputfilters.h"
#include "model/pagetexts.h"
#include "pagestesting.h"

namespace ztk::pages {
namespace {

// What typing `keys` into an address box holding `text` (nothing selected) leaves in it.
QString typeAddress(QString text, const QString& keys) {
    for (QChar key : keys) {
        if (const auto passed = filterAddressKey(key, text.size(), false)) text += *passed;
    }
    return text;
}

TEST(PageInputFilters, AddressAndPortKeysAndLeaving) {
    EXPECT_EQ(typeAddress("", "abc"), "AB");  // the "c" finds the box full
    EXPECT_EQ(typeAddress("", "g7-F"), "7F");
    EXPECT_EQ(filterAddressKey(u'c', 2, true), QChar(u'C'));  // replaces the selection
    EXPECT_EQ(filterAddressKey(u'Z', 0, true), std::nullopt);
    EXPECT_EQ(leaveAddress("7"), "07");
    EXPECT_EQ(leaveAddress(""), "00");
    EXPECT_EQ(leaveAddress("a"), "0a");  // leaving completes, it does not judge
    EXPECT_EQ(leaveAddress("FF"), "FF");

    EXPECT_EQ(filterPortKey(u'.'), QChar(u'.'));
    EXPECT_EQ(filterPortKey(u'-'), std::nullopt);
    EXPECT_EQ(filterPortKey(u'e'), std::nullopt);
    EXPECT_EQ(leavePort(""), "0");
    EXPECT_EQ(leavePort("70000"), "32767");
    EXPECT_EQ(leavePort("32767"), "32767");
    EXPECT_EQ(leavePort("32768"), "32767");
    EXPECT_EQ(leavePort("00000000000000000000070000"), "32767");
    EXPECT_EQ(leavePort("99999999999999999999999"), "32767");  // no wrap-around
    EXPECT_EQ(leavePort("32767.5"), "32767");
    EXPECT_EQ(leavePort("1.2.3"), "1.2.3");
    EXPECT_EQ(leavePort("4001"), "4001");
}

TEST(PageFileChoosers, FiltersShowEveryFileAndBadNamesStartEmpty) {
    EXPECT_EQ(nameFilters(text::kMessageFileFilter),
              QStringList({"XML Files (*.xml)", "All Files (*)"}));
    EXPECT_EQ(nameFilters(text::kLogFileFilter),
              QStringList({"Text Files (*.txt)", "All Files (*)"}));
    EXPECT_EQ(nameFilters("Pictures|*.png;*.bmp|odd"), QStringList({"Pictures (*.png *.bmp)"}));

    EXPECT_EQ(chooserPreset("/srv/signs/factory.xml"), "/srv/signs/factory.xml");
    EXPECT_EQ(chooserPreset(QStringLiteral("bad") + QChar(u'\0') + "name"), "");
    EXPECT_EQ(chooserPreset(QString(300, u'x')), "");
    EXPECT_EQ(chooserPreset("/tmp/" + QString(200, u'x')), "/tmp/" + QString(200, u'x'));
}

TEST(PageModels, LoadTheControlsPropertiesAndMarkEditsAsChanges) {
    Marquee sign;
    test::loadStored(sign, {{"MarqueeAddress", "1F"},
                            {"MessageFile", "/srv/a.xml"},
                            {"MarqueeConnectMode", 1},
                            {"NetworkAddress", "192.0.2.10"},
                            {"SerialComPort", 3},
                            {"SerialBaudRate", 19200},
                            {"SerialParity", "Odd"},
                            {"SerialDataBits", 7},
                            {"SerialStopBits", 2}});
    GeneralPageModel general;
    general.load(sign);
    EXPECT_EQ(general.address(), "1F");
    EXPECT_EQ(general.typeIndex(), 0);
    EXPECT_EQ(general.messageFile(), "/srv/a.xml");
    EXPECT_FALSE(general.isChanged());
    general.editMessageFile("/srv/a.xml");
    EXPECT_FALSE(general.isChanged());  // the same text is no edit
    general.editLogFile("/tmp/log.txt");
    EXPECT_TRUE(general.isChanged());

    CommunicationPageModel communication;
    communication.load(sign);
    EXPECT_EQ(communication.mode(), ConnectChoice::TcpIp);
    EXPECT_EQ(communication.port(), "3001");
    EXPECT_EQ(communication.comPortIndex(), 2);
    EXPECT_EQ(communication.baudRateIndex(), 8);
    EXPECT_EQ(communication.parityIndex(), 2);
    EXPECT_EQ(communication.dataBitsIndex(), 1);  // the list runs from 8 down
    EXPECT_EQ(communication.stopBitsIndex(), 1);
    EXPECT_FALSE(communication.isChanged());
    communication.chooseStopBits(1);  // choosing counts, even the entry already chosen
    EXPECT_TRUE(communication.isChanged());

    // A stored connect mode beyond the three shows "Simulate".
    test::loadStored(sign, {{"MarqueeConnectMode", 7}});
    communication.load(sign);
    EXPECT_EQ(communication.mode(), ConnectChoice::Simulate);
    EXPECT_FALSE(communication.isChanged());
}

TEST(PageModels, ApplySetsInOrderAndStopsAtTheRefusedValue) {
    Marquee sign;
    sign.setRunMode(false);
    GeneralPageModel general;
    general.load(sign);
    general.editAddress("7");
    general.leaveAddressBox();
    general.editLogFile("/tmp/log.txt");
    general.editMessageFile("/srv/b.xml");
    ASSERT_EQ(general.apply(sign), std::nullopt);
    EXPECT_EQ(sign.changedProperties(),
              QStringList({"MarqueeAddress", "MarqueeType", "MarqueeLogFile", "MessageFile"}));
    EXPECT_EQ(sign.MarqueeAddress(), "07");

    // In run mode the type is refused and the two files after it are not set.
    Marquee running;
    const std::optional<Refusal> refused = general.apply(running);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->property, "MarqueeType");
    EXPECT_EQ(refused->field, "cboMarqueeType");
    EXPECT_EQ(refused->number, 382);
    EXPECT_EQ(refused->source, "PropertyLet MarqueeType");
    EXPECT_EQ(refused->text, "Property cannot be changed at runtime.");
    EXPECT_EQ(running.MarqueeAddress(), "07");
    EXPECT_EQ(running.MarqueeLogFile(), "");
    EXPECT_EQ(running.MessageFile(), "");
    EXPECT_EQ(refusalMessage(*refused),
              "Property cannot be changed at runtime.\n\nProperty: MarqueeType\nError: 382\n"
              "Source: PropertyLet MarqueeType");

    // A stored port outside the list is applied as stored, so the control refuses it; the
    // two properties before it are set, the five after it are not.
    Marquee stored;
    test::loadStored(stored, {{"SerialComPort", 0}});
    CommunicationPageModel communication;
    communication.load(stored);
    EXPECT_EQ(communication.comPortIndex(), -1);
    communication.chooseMode(ConnectChoice::TcpIp);
    communication.editPort("4001");
    communication.editNetworkAddress("192.0.2.7");
    communication.chooseBaudRate(13);
    const std::optional<Refusal> port = communication.apply(stored);
    ASSERT_TRUE(port);
    EXPECT_EQ(port->property, "SerialComPort");
    EXPECT_EQ(port->number, 380);
    EXPECT_EQ(stored.changedProperties(), QStringList({"NetworkPort", "NetworkAddress"}));
    EXPECT_EQ(stored.NetworkPort(), 4001);
    EXPECT_EQ(stored.SerialBaudRate(), 9600);
    EXPECT_EQ(stored.MarqueeConnectMode(), 0);

    communication.chooseComPort(15);
    ASSERT_EQ(communication.apply(stored), std::nullopt);
    EXPECT_EQ(
        stored.changedProperties(),
        QStringList({"NetworkPort", "NetworkAddress", "SerialComPort", "SerialBaudRate",
                     "SerialParity", "SerialDataBits", "SerialStopBits", "MarqueeConnectMode"}));
    EXPECT_EQ(stored.SerialComPort(), 16);
    EXPECT_EQ(stored.SerialBaudRate(), 115200);
    EXPECT_EQ(stored.MarqueeConnectMode(), 1);
}

TEST(PageModels, PortTextsThatThePropertyCannotTake) {
    Marquee sign;
    CommunicationPageModel page;
    page.load(sign);
    const auto refusalFor = [&](const QString& text) {
        page.editPort(text);
        return page.apply(sign).value_or(Refusal{});
    };
    page.editPort("");
    page.leavePortBox();
    EXPECT_EQ(page.port(), "0");
    const Refusal zero = refusalFor(page.port());
    EXPECT_EQ(zero.number, 380);  // the control's own refusal, with no source
    EXPECT_EQ(zero.source, "");
    EXPECT_EQ(zero.field, "txtNetworkPort");
    EXPECT_EQ(refusalFor("40000").number, 6);  // not left yet: too large for 16 bits
    EXPECT_EQ(refusalFor("4.5").number, 13);
    EXPECT_EQ(refusalFor("..").text, "Type mismatch");
    EXPECT_EQ(sign.NetworkPort(), 3001);
    EXPECT_TRUE(sign.changedProperties().isEmpty());
}

TEST(PageModels, AStoredTypeTheListLacksIsKeptUntilAnEntryIsChosen) {
    Marquee sign;
    sign.setRunMode(false);
    test::loadStored(sign, {{"MarqueeType", 5}});
    GeneralPageModel page;
    page.load(sign);
    EXPECT_EQ(page.typeIndex(), -1);
    page.editLogFile("/tmp/log.txt");
    ASSERT_EQ(page.apply(sign), std::nullopt);
    EXPECT_EQ(sign.MarqueeType(), 5);  // not wrapped into 255 from "no entry"
    page.chooseType(0);
    ASSERT_EQ(page.apply(sign), std::nullopt);
    EXPECT_EQ(sign.MarqueeType(), 0);
}

}  // namespace
}  // namespace ztk::pages

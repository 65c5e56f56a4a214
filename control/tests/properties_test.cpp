// SPDX-License-Identifier: MIT
// Property set rules with their exact errors, and persistence in the host's store.
#include <gtest/gtest.h>

#include <QSettings>

#include <functional>

#include "ZTKMarqueeControl/marquee.h"
#include "front/marqueecontext.h"
#include "support/controltesting.h"

namespace ztk {
namespace {

// The error a set throws, or number 0 when it is accepted.
PropertyError refusal(const std::function<void()>& set) {
    try {
        set();
    } catch (const PropertyError& error) {
        return error;
    }
    return PropertyError(0, QString(), QString());
}

class PropertyRules : public test::ControlTest {};

TEST_F(PropertyRules, AddressIsNormalisedOrRefusedWithTheQuotedValue) {
    Marquee m;
    m.setMarqueeAddress("a");
    EXPECT_EQ(m.MarqueeAddress(), "0A");
    m.setMarqueeAddress("fF");
    EXPECT_EQ(m.MarqueeAddress(), "FF");
    for (const QString bad : {"G1", "", "123", "1g", " 1"}) {
        const PropertyError e = refusal([&] { m.setMarqueeAddress(bad); });
        EXPECT_EQ(e.number(), 380) << bad.toStdString();
        EXPECT_EQ(e.source(), "ZTK Marquee Control");
        EXPECT_EQ(e.text(), "Invalid property value for Marquee Address: '" + bad + "'");
    }
    EXPECT_EQ(m.MarqueeAddress(), "FF");
}

TEST_F(PropertyRules, OutOfRangeValuesAreRefusedWith380AndKeepTheOldValue) {
    Marquee m;
    const std::vector<std::function<void()>> sets{
        [&] { m.setSerialParity("none"); }, [&] { m.setSerialBaudRate(9601); },
        [&] { m.setSerialComPort(0); },     [&] { m.setSerialComPort(17); },
        [&] { m.setSerialDataBits(3); },    [&] { m.setSerialDataBits(9); },
        [&] { m.setSerialStopBits(3); },    [&] { m.setNetworkPort(0); },
        [&] { m.setNetworkPort(-1); },      [&] { m.setMarqueeConnectMode(3); },
    };
    for (const auto& set : sets)
        EXPECT_EQ(refusal(set).number(), 380);
    EXPECT_EQ(m.SerialParity(), "None");
    EXPECT_EQ(m.SerialComPort(), 1);
    EXPECT_EQ(m.NetworkPort(), 3001);
    EXPECT_TRUE(m.changedProperties().isEmpty());

    m.setSerialParity("Space");
    m.setSerialBaudRate(256000);
    m.setSerialDataBits(4);
    m.setNetworkPort(32767);
    EXPECT_EQ(m.changedProperties(),
              QStringList({"SerialParity", "SerialBaudRate", "SerialDataBits", "NetworkPort"}));
}

TEST_F(PropertyRules, DisplayModeAndRunTimeTypeAreRefusedWith382) {
    Marquee m;
    PropertyError e = refusal([&] { m.setMarqueeDisplayMode(1); });
    EXPECT_EQ(e.number(), 382);
    EXPECT_EQ(e.source(), "PropertyLet MarqueeDisplayMode");
    EXPECT_EQ(e.text(), "Property must be changed via ChangeMode() method.");

    e = refusal([&] { m.setMarqueeType(1); });
    EXPECT_EQ(e.number(), 382);
    EXPECT_EQ(e.source(), "PropertyLet MarqueeType");
    EXPECT_EQ(e.text(), "Property cannot be changed at runtime.");
    m.setRunMode(false);
    m.setMarqueeType(7);
    EXPECT_EQ(m.MarqueeType(), 7);
}

TEST_F(PropertyRules, CommunicationIsLockedAfterInitializeBeforeTheRangeIsTested) {
    mapComPort(3, path("no-such-port"));
    Marquee m;
    m.setSerialComPort(3);
    contextOf(m).state.initialized = true;  // as a successful Initialize leaves it

    const std::vector<std::pair<const char*, std::function<void()>>> locked{
        {"SerialComPort", [&] { m.setSerialComPort(2); }},
        {"SerialComPort", [&] { m.setSerialComPort(99); }},
        {"MarqueeConnectMode", [&] { m.setMarqueeConnectMode(9); }},
        {"SerialBaudRate", [&] { m.setSerialBaudRate(1200); }},
        {"SerialParity", [&] { m.setSerialParity("bad"); }},
        {"SerialDataBits", [&] { m.setSerialDataBits(7); }},
        {"SerialStopBits", [&] { m.setSerialStopBits(2); }},
        {"NetworkAddress", [&] { m.setNetworkAddress("x"); }},
        {"NetworkPort", [&] { m.setNetworkPort(0); }},
    };
    for (const auto& [name, set] : locked) {
        const PropertyError e = refusal(set);
        EXPECT_EQ(e.number(), 382) << name;
        EXPECT_EQ(e.source(), QStringLiteral("PropertyLet ") + QLatin1String(name));
        EXPECT_EQ(e.text(), "Property cannot be changed after calling Initialize().");
    }
    EXPECT_EQ(m.SerialComPort(), 3);

    m.setMessageFile("m.xml");
    m.setTemplateName("t");
    m.setStringName("s");
    m.setAlarmName("a");
    m.setMarqueeAddress("7");
    m.setMarqueeLogFile(path("log.txt"));
    EXPECT_EQ(m.MarqueeAddress(), "07");
}

TEST_F(PropertyRules, PersistenceRoundTripsAndTakesStoredValuesWithoutTheRules) {
    QSettings store(path("form.ini"), QSettings::IniFormat);
    SettingsPropertyBag bag(store, "Marquee1");
    {
        Marquee m;
        m.setMessageFile("/srv/signs/lobby.xml");
        m.setMarqueeConnectMode(1);
        m.setNetworkAddress("sign.local");
        m.setNetworkPort(4001);
        m.setSerialParity("Even");
        m.WriteProperties(bag);
        EXPECT_TRUE(m.changedProperties().isEmpty());
    }
    store.sync();
    // Only what differs from the defaults is stored.
    store.beginGroup("Marquee1");
    EXPECT_EQ(store.childKeys().size(), 5);
    store.endGroup();

    store.setValue("Marquee1/MarqueeDisplayMode", 2);   // never settable, but taken as stored
    store.setValue("Marquee1/SerialDataBits", 300);     // does not fit a byte: default
    store.setValue("Marquee1/SerialBaudRate", "fast");  // not a number: default
    Marquee m;
    m.ReadProperties(bag);
    EXPECT_EQ(m.MessageFile(), "/srv/signs/lobby.xml");
    EXPECT_EQ(m.MarqueeConnectMode(), 1);
    EXPECT_EQ(m.NetworkAddress(), "sign.local");
    EXPECT_EQ(m.NetworkPort(), 4001);
    EXPECT_EQ(m.SerialParity(), "Even");
    EXPECT_EQ(m.MarqueeDisplayMode(), 2);
    EXPECT_EQ(m.SerialDataBits(), 8);
    EXPECT_EQ(m.SerialBaudRate(), 9600);
    EXPECT_EQ(m.MarqueeAddress(), "00");

    QSettings empty(path("empty.ini"), QSettings::IniFormat);
    SettingsPropertyBag emptyBag(empty);
    m.ReadProperties(emptyBag);
    EXPECT_EQ(m.MessageFile(), "");
    EXPECT_EQ(m.NetworkPort(), 3001);
    EXPECT_EQ(m.MarqueeDisplayMode(), 0);
}

}  // namespace
}  // namespace ztk

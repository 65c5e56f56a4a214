// SPDX-License-Identifier: MIT
// Alarms: stacked newest first in one packet, and put back what showed before.
#include <gtest/gtest.h>

#include "support/simulatedsign.h"

namespace ztk {
namespace {

using test::packet;
using test::Packets;
using test::textPacket;

const QByteArray kFile =
    "<MARQUEE>"
    "<TEMPLATE>T<LINE><TEXT>n=<VARIABLE max_len=\"4\">count</VARIABLE></TEXT></LINE></TEMPLATE>"
    "<STRING>S<TEXT>str</TEXT></STRING>"
    "<ALARM>Fire<TEXT color=\"Red\">FIRE</TEXT></ALARM>"
    "<ALARM>Flood<TEXT color=\"Amber\" mode=\"Flash\">FLOOD</TEXT></ALARM>"
    "<ALARM>Gas<TEXT special=\"Snow\" position=\"Top\">GAS</TEXT></ALARM>"
    "<ALARM>FIRE<TEXT>other fire</TEXT></ALARM></MARQUEE>";
const QByteArray kFire = "{17}{1C}1{1A}3FIRE";
const QByteArray kFlood = "{1B}0c{17}{1C}3{1A}3FLOOD";
const QByteArray kGas = "{1B}\"n2{17}{1C}C{1A}3GAS";
const QByteArray kTemplate = textPacket("{1B}0b{09}{1D}41{1C}C{1A}3n={10} {0D}");

class Alarms : public test::SimulatedSignTest {
  protected:
    void SetUp() override {
        SimulatedSignTest::SetUp();
        file = useFile(kFile);
        m.setTemplateName("T");
        m.setStringName("S");
    }
    bool add(const QString& name) {
        m.setAlarmName(name);
        return m.AlarmAdd();
    }
    bool acknowledge(const QString& name) {
        m.setAlarmName(name);
        return m.AlarmAcknowledge();
    }
    QString file;
};

TEST_F(Alarms, StackNewestFirstAndTheLastAcknowledgementRestoresTheTemplate) {
    ASSERT_TRUE(m.ChangeMode("TEMPLATE"));
    ASSERT_TRUE(m.UpdateVariable("count", "12"));
    take();
    ASSERT_TRUE(add("Fire") && add("Flood") && add("Gas"));
    EXPECT_EQ(take(), (Packets{textPacket(kFire), textPacket(kFlood + kFire),
                               textPacket(kGas + kFlood + kFire)}));
    EXPECT_EQ(m.MarqueeDisplayMode(), ztkStateAlarm);

    // While alarms show, templates and strings are refused; the names may change meanwhile.
    EXPECT_FALSE(m.ChangeMode("TEMPLATE") || m.ChangeMode("STRING"));
    m.setTemplateName("Elsewhere");
    ASSERT_TRUE(acknowledge("Flood"));
    EXPECT_EQ(take(), Packets{textPacket(kGas + kFire)});
    ASSERT_TRUE(acknowledge("Gas"));
    take();

    // The last one: the text is blanked without touching the fields' string files and the
    // template comes back, its field not blanked (it shows "12" again).
    ASSERT_TRUE(acknowledge("Fire"));
    EXPECT_EQ(take(), (Packets{packet("AA "), kTemplate}));
    EXPECT_EQ(m.MarqueeDisplayMode(), ztkStateTemplate);
    EXPECT_EQ(m.TemplateName(), "T");
    ASSERT_TRUE(m.UpdateVariable("count", "13"));
    EXPECT_EQ(take(), Packets{packet("G 13  ")});
    EXPECT_TRUE(log().isEmpty());
}

TEST_F(Alarms, KeysIgnoreLetterCaseAndListFailuresNameTheKey) {
    ASSERT_TRUE(add("Fire"));
    take();
    EXPECT_FALSE(add("Fire"));
    EXPECT_FALSE(add("FIRE"));  // another item, the same key
    useFile(kFile, "ITEMS.XML");
    EXPECT_FALSE(add("Fire"));  // the same file name in other letters, the same key
    EXPECT_TRUE(take().empty());
    EXPECT_EQ(log().size(), 3);
    EXPECT_TRUE(log()[0].endsWith(
        "  -->  Error: -2147221504, ZTKMarqueeControl[AlarmAdd]; Error: -2147221504, "
        "ZTKMarqueeControl[AlarmAdd]; Attempt to add 'ztk_" +
        file + "\\Fire' resulted in error number 457\""));

    m.setMessageFile(file);
    ASSERT_TRUE(acknowledge("fire"));
    EXPECT_EQ(take(), (Packets{packet("AA "), kTemplate}));
    EXPECT_FALSE(acknowledge("fire"));
    EXPECT_TRUE(take().empty());
    EXPECT_TRUE(log().last().endsWith(
        "[AlarmAcknowledge]; Error: -2147221504, ZTKMarqueeControl[AlarmAcknowledge]; Attempt to "
        "remove 'ztk_" +
        file + "\\fire' resulted in error number 5\""));
}

TEST_F(Alarms, RestoreOfAStringRepeatsFailsOnceItIsGoneAndIsSkippedAfterAlarmMode) {
    ASSERT_TRUE(m.ChangeMode("STRING"));
    ASSERT_TRUE(add("Gas"));
    take();
    const Packets restored{packet("AA "), textPacket("{17}{1C}C{1A}3str")};
    ASSERT_TRUE(m.AlarmAcknowledgeAll());
    EXPECT_EQ(take(), restored);
    EXPECT_EQ(m.MarqueeDisplayMode(), ztkStateTextString);
    ASSERT_TRUE(m.AlarmAcknowledgeAll());  // the list is empty but the saved state remains
    EXPECT_EQ(take(), restored);

    ASSERT_TRUE(add("Fire"));
    useFile("<MARQUEE/>");
    take();
    EXPECT_FALSE(acknowledge("Fire"));
    EXPECT_EQ(take(), Packets{packet("AA ")});
    EXPECT_EQ(m.MarqueeDisplayMode(), ztkStateAlarm);
    ASSERT_EQ(log().size(), 2);
    EXPECT_TRUE(log()[0].contains("[UpdateStringDisplay]; Couldn't find string 'S'"));
    EXPECT_TRUE(
        log()[1].endsWith("Error: -2147221504, ZTKMarqueeControl[AlarmAcknowledge]; Could "
                          "not restore mode to String using '" +
                          file + "' and 'S'\""));
}

}  // namespace
}  // namespace ztk

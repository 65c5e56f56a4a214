// Alarms: stacked newest first in one packet, and put back what showed before.
#include <gtest/gtest.h>

#include "protocol/multipageflag.h"
#include "support/simulatedsign.h"

namespace ztk {
namespace {

using test::packet;
using test::textPacket;

const QByteArray kFile =
    "<MARQUEE>"
    "<TEMPLATE>T<LINE><TEXT>n=<VARIABLE max_len=\"4\">count</VARIABLE></TEXT></LINE></TEMPLATE>"
    "<STRING>S<TEXT>str</TEXT></STRING>"
    "<ALARM>Fire<TEXT color=\"Red\">FIRE</TEXT></ALARM>"
    "<ALARM>Flood<TEXT color=\"Amber\" mode=\"Flash\">FLOOD</TEXT></ALARM>"
    "<ALARM>Gas<TEXT special=\"Snow\" position=\"Top\">GAS</TEXT></ALARM>"
    "<ALARM>FIRE<TEXT>other fire</TEXT></ALARM>"
    "</MARQUEE>";

const char* const kFire = "{17}{1C}1{1A}3FIRE";
const char* const kFlood = "{1B}0c{17}{1C}3{1A}3FLOOD";
const char* const kGas = "{1B}\"n2{17}{1C}C{1A}3GAS";
const char* const kTemplate = "{1B}0b{09}{1D}41{1C}C{1A}3n={10} {0D}";

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

    ASSERT_TRUE(add("Fire"));
    ASSERT_TRUE(add("Flood"));
    ASSERT_TRUE(add("Gas"));
    EXPECT_EQ(take(), (std::vector<QByteArray>{
                          textPacket(kFire),
                          textPacket((QByteArray(kFlood) + kFire).constData()),
                          textPacket((QByteArray(kGas) + kFlood + kFire).constData()),
                      }));
    EXPECT_EQ(m.MarqueeDisplayMode(), ztkStateAlarm);
    EXPECT_EQ(context().alarms.entries().front().tKey, "ztk_" + file + "\\Gas");

    // While alarms show, templates and strings are refused; the names may change meanwhile.
    EXPECT_FALSE(m.ChangeMode("TEMPLATE"));
    EXPECT_FALSE(m.ChangeMode("STRING"));
    m.setTemplateName("Elsewhere");
    EXPECT_TRUE(take().empty());

    ASSERT_TRUE(acknowledge("Flood"));
    EXPECT_EQ(take(), std::vector<QByteArray>{textPacket((QByteArray(kGas) + kFire).constData())});
    ASSERT_TRUE(acknowledge("Gas"));
    take();

    // The last one: the text is blanked without touching the fields' string files, the
    // template comes back (its field shows "12" again) and the fields are not blanked.
    ASSERT_TRUE(acknowledge("Fire"));
    EXPECT_EQ(take(), (std::vector<QByteArray>{packet("AA "), textPacket(kTemplate)}));
    EXPECT_EQ(m.MarqueeDisplayMode(), ztkStateTemplate);
    EXPECT_EQ(m.TemplateName(), "T");
    EXPECT_EQ(context().variables.count(), 1);
    EXPECT_TRUE(context().restore.alarmShown);
    ASSERT_TRUE(m.UpdateVariable("count", "13"));
    EXPECT_EQ(take(), std::vector<QByteArray>{packet("G 13  ")});
    EXPECT_TRUE(log().isEmpty());
}

TEST_F(Alarms, KeysIgnoreLetterCaseAndFailuresAreWordedWithTheKey) {
    ASSERT_TRUE(add("Fire"));
    take();
    EXPECT_FALSE(add("Fire"));
    EXPECT_FALSE(add("FIRE"));  // another item, but the same key

    // The same file under a name that differs only in letter case gives the same key too.
    const QString upper = useFile(kFile, "ITEMS.XML");
    EXPECT_FALSE(add("Fire"));
    EXPECT_TRUE(take().empty());
    EXPECT_EQ(context().alarms.size(), 1);
    const QString key = "ztk_" + file + "\\Fire";
    EXPECT_TRUE(log()[0].endsWith(
        "  -->  Error: -2147221504, ZTKMarqueeControl[AlarmAdd]; Error: -2147221504, "
        "ZTKMarqueeControl[AlarmAdd]; Attempt to add '" +
        key + "' resulted in error number 457\""));
    EXPECT_EQ(log().size(), 3);

    // Acknowledged through the other spelling; the template mode it interrupted comes back.
    m.setMessageFile(file);
    ASSERT_TRUE(acknowledge("fire"));
    EXPECT_TRUE(context().alarms.isEmpty());
    EXPECT_EQ(take(), (std::vector<QByteArray>{packet("AA "), textPacket(kTemplate)}));

    EXPECT_FALSE(acknowledge("fire"));
    EXPECT_TRUE(log().last().endsWith(
        "[AlarmAcknowledge]; Error: -2147221504, ZTKMarqueeControl[AlarmAcknowledge]; Attempt to "
        "remove 'ztk_" +
        file + "\\fire' resulted in error number 5\""));
    EXPECT_TRUE(take().empty());
    EXPECT_FALSE(upper.isEmpty());
}

TEST_F(Alarms, RestoreOfStringsRepeatsAndFailsWhenTheItemIsGone) {
    ASSERT_TRUE(m.ChangeMode("STRING"));
    ASSERT_TRUE(add("Gas"));
    take();
    ASSERT_TRUE(m.AlarmAcknowledgeAll());
    const QByteArray shown = textPacket("{17}{1C}C{1A}3str");
    EXPECT_EQ(take(), (std::vector<QByteArray>{packet("AA "), shown}));
    EXPECT_EQ(m.MarqueeDisplayMode(), ztkStateTextString);

    // The flag stays set: acknowledging all again puts the string back once more.
    ASSERT_TRUE(m.AlarmAcknowledgeAll());
    EXPECT_EQ(take(), (std::vector<QByteArray>{packet("AA "), shown}));

    // The saved item no longer renders: False, both failures logged, mode stays alarm.
    ASSERT_TRUE(add("Fire"));
    useFile("<MARQUEE><ALARM>Fire<TEXT>x</TEXT></ALARM></MARQUEE>", "items.xml");
    take();
    EXPECT_FALSE(acknowledge("Fire"));
    EXPECT_EQ(take(), std::vector<QByteArray>{packet("AA ")});
    EXPECT_EQ(m.MarqueeDisplayMode(), ztkStateAlarm);
    EXPECT_TRUE(context().alarms.isEmpty());
    const QStringList lines = log();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].contains("[UpdateStringDisplay]; Couldn't find string 'S'"));
    EXPECT_TRUE(
        lines[1].endsWith("Error: -2147221504, ZTKMarqueeControl[AlarmAcknowledge]; Could "
                          "not restore mode to String using '" +
                          file + "' and 'S'\""));
}

TEST_F(Alarms, AfterTheHostChoseAlarmModeTheLastAcknowledgementOnlyBlanks) {
    protocol::multipageFlag() = true;
    ASSERT_TRUE(m.ChangeMode("ALARM"));
    ASSERT_TRUE(add("Fire"));
    ASSERT_TRUE(add("Flood"));
    take();
    ASSERT_TRUE(m.AlarmAcknowledgeAll());
    EXPECT_EQ(take(), std::vector<QByteArray>{packet("AA ")});
    EXPECT_EQ(m.MarqueeDisplayMode(), ztkStateAlarm);
    EXPECT_FALSE(context().restore.alarmShown);

    // With the list empty, alarm mode no longer holds templates back.
    ASSERT_TRUE(m.ChangeMode("TEMPLATE"));
    EXPECT_EQ(m.MarqueeDisplayMode(), ztkStateTemplate);
    EXPECT_TRUE(log().isEmpty());
}

}  // namespace
}  // namespace ztk

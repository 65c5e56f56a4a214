// SPDX-License-Identifier: MIT
// ChangeMode's words and branches, observed through the packets a simulator receives.
#include <gtest/gtest.h>

#include "ZTKMarqueeControl/marquee.h"
#include "front/marqueecontext.h"
#include "protocol/multipageflag.h"
#include "support/simulatedsign.h"

namespace ztk {
namespace {

// An initialized control in simulate mode whose packets reach a recording receiver.
using ChangeModeTest = test::SimulatedSignTest;

TEST_F(ChangeModeTest, UnknownWordsAreLoggedExactlyAsPassed) {
    for (const QString word : {"3", " template", "Templates", ""}) {
        EXPECT_FALSE(m.ChangeMode(word));
        EXPECT_TRUE(log().last().endsWith(
            "Error: -2147221504, ZTKMarqueeControl[ChangeMode]; Invalid mode.  Cannot change "
            "to mode: " +
            word + "\""));
    }
    EXPECT_EQ(log().size(), 4);
    EXPECT_EQ(sim.count(), 0u);
    EXPECT_EQ(m.MarqueeDisplayMode(), 0);
}

TEST_F(ChangeModeTest, AlarmWordBlanksTheSignAndSwitchesToAlarmMode) {
    protocol::multipageFlag() = true;
    contextOf(m).restore.alarmShown = true;
    for (const QString word : {"alarm", "2"}) {
        ASSERT_TRUE(m.ChangeMode(word));
        EXPECT_EQ(m.MarqueeDisplayMode(), ztkStateAlarm);
    }
    EXPECT_FALSE(protocol::multipageFlag());
    EXPECT_FALSE(contextOf(m).restore.alarmShown);
    ASSERT_TRUE(sim.waitForRecords(2, 5000));
    EXPECT_EQ(sim.records()[1].bytes, test::packet("AA ") + '\0');
    EXPECT_TRUE(log().isEmpty());
}

TEST_F(ChangeModeTest, WhileAlarmsShowTemplateAndStringAreRefusedSilently) {
    ASSERT_TRUE(m.ChangeMode("ALARM"));
    contextOf(m).alarms.add({"ztk_f.xml\\Fire", "FIRE"});
    sim.clear();
    EXPECT_FALSE(m.ChangeMode("STRING"));
    EXPECT_FALSE(m.ChangeMode("0"));
    EXPECT_EQ(m.MarqueeDisplayMode(), ztkStateAlarm);
    EXPECT_EQ(sim.count(), 0u);
    EXPECT_TRUE(log().isEmpty());
    EXPECT_TRUE(m.ChangeMode("Alarm"));
    EXPECT_TRUE(sim.waitForRecords(1, 5000));
}

TEST_F(ChangeModeTest, ItemsThatCannotBeShownLeaveOnlyTheBlankedSign) {
    m.setMessageFile(path("none.xml"));
    EXPECT_FALSE(m.ChangeMode("template"));
    EXPECT_EQ(m.MarqueeDisplayMode(), ztkStateTemplate);
    EXPECT_TRUE(log().last().contains("[UpdateTemplateDisplay]; Error 1 while processing"));

    // A string that cannot be shown still leaves the mode at text string.
    EXPECT_FALSE(m.ChangeMode("1"));
    EXPECT_EQ(m.MarqueeDisplayMode(), ztkStateTextString);
    EXPECT_TRUE(log().last().contains("[UpdateStringDisplay]; Error 1While processing"));

    // Nothing but the blanking packets reached the sign.
    ASSERT_TRUE(sim.waitForRecords(2, 5000));
    for (const auto& record : sim.records())
        EXPECT_EQ(record.bytes, test::packet("AA ") + '\0');
}

}  // namespace
}  // namespace ztk

// SPDX-License-Identifier: MIT
// Variable updates: one string-file packet per field of the name, fitted to the field.
#include <gtest/gtest.h>

#include "support/simulatedsign.h"

namespace ztk {
namespace {

using test::braced;
using test::packet;
using test::Packets;

class Variables : public test::SimulatedSignTest {
  protected:
    void SetUp() override {
        SimulatedSignTest::SetUp();
        useFile(
            "<MARQUEE><TEMPLATE>T<LINE><TEXT><VARIABLE max_len=\"5\">temp</VARIABLE>"
            "<VARIABLE max_len=\"3\">Other</VARIABLE><VARIABLE max_len=\"2\">TEMP</VARIABLE>"
            "</TEXT></LINE></TEMPLATE>"
            "<TEMPLATE type=\"multipage\">M<PAGE holdtime=\"1\"><LINE><TEXT>"
            "<VARIABLE max_len=\"5\">temp</VARIABLE></TEXT></LINE></PAGE></TEMPLATE>"
            "<STRING>S<TEXT><VARIABLE>temp</VARIABLE></TEXT></STRING></MARQUEE>");
        m.setTemplateName("T");
        m.setStringName("S");
    }
};

TEST_F(Variables, UpdatesAreFittedToTheFieldAndReachEveryFieldOfTheName) {
    // Before any table exists nothing is written.
    Marquee fresh;
    EXPECT_FALSE(fresh.UpdateVariable("temp", "1"));
    EXPECT_FALSE(contextOf(fresh).blankVariables());

    ASSERT_TRUE(m.ChangeMode("TEMPLATE"));
    take();
    ASSERT_TRUE(m.UpdateVariable("Temp", "AB"));
    ASSERT_TRUE(m.UpdateVariable("temp", "ABCDEFG"));
    // One byte per character: Latin-1 as it is, anything else "?", each counted once.
    ASSERT_TRUE(m.UpdateVariable("OTHER", QString::fromUtf8("\u00b0\u20ac")));
    ASSERT_TRUE(m.UpdateVariable("OTHER", QString::fromUtf8("\U0001F600\U0001F600\U0001F600x")));
    EXPECT_EQ(take(), (Packets{packet("G AB   "), packet("G\"AB"), packet("G ABCDE"),
                               packet("G\"AB"), packet("G!" + braced("{B0}? ")), packet("G!???")}));
    EXPECT_EQ(context().variables.at(0).value, "ABCDE");

    // An unknown name sends nothing and is no logged failure; a string's field (width 0)
    // takes the value whole.
    EXPECT_FALSE(m.UpdateVariable("nobody", "1"));
    ASSERT_TRUE(m.ChangeMode("STRING"));
    take();
    ASSERT_TRUE(m.UpdateVariable("temp", "ABCDEFG"));
    EXPECT_EQ(take(), Packets{packet("G ABCDEFG")});
    EXPECT_TRUE(log().isEmpty());
}

TEST_F(Variables, AdvancedUpdatesAddColourAndFlashWithSpeedFourOnlyOnASinglePage) {
    ASSERT_TRUE(m.ChangeMode("TEMPLATE"));
    take();
    ASSERT_TRUE(m.UpdateVariableAdv("other", "1", "red", 1));
    ASSERT_TRUE(m.UpdateVariableAdv("other", "1", "", 0));
    ASSERT_TRUE(m.UpdateVariableAdv("other", "1", "Green", 5));
    ASSERT_TRUE(m.UpdateVariableAdv("other", "1", "purple", 6));
    EXPECT_EQ(take(), (Packets{packet("G!" + braced("{1C}1{18}{07}11  {07}0")), packet("G!1  "),
                               packet("G!" + braced("{1C}2{18}{07}11  {07}0")),
                               packet("G!" + braced("{1C}C1  "))}));
    EXPECT_EQ(context().variables.at(1).value, "1  ");

    m.setTemplateName("M");
    ASSERT_TRUE(m.ChangeMode("TEMPLATE"));
    take();
    ASSERT_TRUE(m.UpdateVariableAdv("temp", "x", "red", 1));
    EXPECT_EQ(take(), Packets{packet("G " + braced("{1C}1{07}1x    {07}0"))});
    ASSERT_TRUE(m.ChangeMode("STRING"));
    take();
    ASSERT_TRUE(m.UpdateVariableAdv("temp", "xyz", "", 2));
    EXPECT_EQ(take(), Packets{packet("G " + braced("{07}1xyz{07}0"))});
    EXPECT_TRUE(log().isEmpty());
}

TEST_F(Variables, NamesMatchWhenEqualUpperCasedWithUnicodeRules) {
    // Upper-casing maps the dotless i to I and sharp s to SS: names that only that makes
    // equal still match, and the fields are written in the order they were met.
    useFile(QString("<MARQUEE><TEMPLATE>U<LINE><TEXT><VARIABLE max_len=\"2\">t\u0131me</VARIABLE>"
                    "<VARIABLE max_len=\"3\">Stra\u00dfe</VARIABLE><VARIABLE max_len=\"1\">TIME"
                    "</VARIABLE></TEXT></LINE></TEMPLATE></MARQUEE>")
                .toUtf8());
    m.setTemplateName("U");
    ASSERT_TRUE(m.ChangeMode("TEMPLATE"));
    take();
    ASSERT_TRUE(m.UpdateVariable("time", "12"));
    ASSERT_TRUE(m.UpdateVariable("STRASSE", "x"));
    EXPECT_FALSE(m.UpdateVariable("strase", "x"));
    EXPECT_EQ(take(), (Packets{packet("G 12"), packet("G\"1"), packet("G!x  ")}));
}

}  // namespace
}  // namespace ztk

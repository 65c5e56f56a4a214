// SPDX-License-Identifier: MIT
// What the editors save is what the sign shows: items edited through the editor models and
// saved, then shown by the control over a loopback TCP peer, give exactly the packets that
// the edited content implies, written out here by hand.
#include <gtest/gtest.h>

#include <functional>

#include "ZTKMarqueeControl/marquee.h"
#include "editortesthost.h"
#include "front/pausetimer.h"
#include "model/multipagemodel.h"
#include "model/stringmodel.h"
#include "model/templatesession.h"
#include "support/controltesting.h"
#include "support/simulatedsign.h"
#include "support/tcprecorder.h"

namespace ztk::legendo {
namespace {

using ztk::test::textPacket;

const QByteArray kBlankSign = ztk::test::packet("AA ");

class RoundTrip : public test::EditorTest {
  protected:
    // Initializes a control against a loopback peer, runs `show` on the message file and
    // expects the peer to receive exactly `expected` after the Initialize packets.
    void expectOnSign(const std::function<bool(Marquee&)>& show, const QByteArray& expected) {
        ScopedPauseOverride noPause(0);
        ztk::test::TcpRecorder peer;
        Marquee m;
        m.setMarqueeConnectMode(1);
        m.setNetworkAddress(QStringLiteral("127.0.0.1"));
        m.setNetworkPort(peer.port());
        m.setMessageFile(QString::fromStdString(host.selection().currentFile));
        ASSERT_TRUE(m.Initialize());
        ASSERT_TRUE(show(m));
        const QByteArray init = ztk::test::initializePackets();
        peer.waitForBytes(static_cast<int>(init.size() + expected.size()));
        EXPECT_EQ(peer.bytes(), init + expected);
    }
    void typeText(TemplateEditorModel& board, const char32_t* text) {
        for (; *text; ++text)
            board.typeKey(*text);
    }
};

TEST_F(RoundTrip, ATemplateWithAVariable) {
    host.select(writeFile("<TEMPLATE>Board</TEMPLATE>"), "Templates", "Board");
    TemplateEditorModel board(host);
    board.reset();
    ASSERT_TRUE(loadTemplate(board, host));
    board.typeRows("2");
    board.typeCols("6");
    board.chooseFont("S7");
    board.moveCursor({0, 0});
    typeText(board, U"HI");
    board.moveCursor({1, 0});
    board.chooseColor(SignColor::Green);
    typeText(board, U"T");
    board.extendSelection({1, 3});
    board.chooseColor(SignColor::Amber);
    board.setNameText("Count");
    board.addVariable();
    ASSERT_TRUE(saveTemplate(board, host));

    expectOnSign(
        [](Marquee& m) {
            m.setTemplateName(QStringLiteral("Board"));
            return m.ChangeMode(QStringLiteral("TEMPLATE"));
        },
        kBlankSign +
            textPacket("{1B}0b{09}{1D}41"
                       "{1C}1{1A}3HI{1C}1{1A}3    {0D}"
                       "{1C}2{1A}3T{1C}3{1A}3{10} {1C}1{1A}3  {0D}") +
            ztk::test::packet("G    "));
    EXPECT_TRUE(shown().empty());
}

TEST_F(RoundTrip, AMultipageTemplateWithARotatingLine) {
    host.select(writeFile("<TEMPLATE type='multipage'>Shift</TEMPLATE>"), "Templates", "Shift");
    TemplateEditorModel board(host);
    MultipageModel pages(host, board);
    pages.reset();
    ASSERT_TRUE(pages.open());
    board.typeRows("1");
    board.typeCols("4");
    typeText(board, U"AB");
    pages.chooseHoldSpeed("Speed 2");
    ASSERT_TRUE(pages.save());
    pages.addPage();
    board.typeRows("1");
    board.typeCols("3");
    board.chooseColor(SignColor::Green);
    typeText(board, U"XYZ");
    pages.typeRotateText("Go now");
    pages.chooseRotateColor(SignColor::Amber);
    ASSERT_TRUE(pages.save());

    expectOnSign(
        [](Marquee& m) {
            m.setTemplateName(QStringLiteral("Shift"));
            return m.ChangeMode(QStringLiteral("TEMPLATE"));
        },
        kBlankSign + textPacket("{1B}\"b{1E}1{16}{1C}1{1A}3AB{1C}1{1A}3  {0D}"
                                "{1B}\"b{1E}1{09}{1C}2{1A}3XYZ{0D}"
                                "{1B}&a{1C}C{1A}3{1C}3{1A}3Go now"));
    EXPECT_TRUE(shown().empty());
}

TEST_F(RoundTrip, AStringWithAVariableAndAnAttribute) {
    host.select(writeFile("<STRING>Greeting</STRING>"), "Strings", "Greeting");
    StringEditorModel editor(host);
    editor.reset();
    ASSERT_TRUE(editor.load(StringKind::String));
    ColoredText text = editor.text();
    text.insert(0, U"Temp now", msgfile::kRgbGreen);
    text.insert(5, U"<t1> ", msgfile::kRgbGreen);
    text.recolor(10, 3, msgfile::kRgbAmber);
    editor.contentChanged(text);
    editor.chooseSpeed("2");
    editor.chooseMode("Rotate");
    ASSERT_TRUE(editor.save());

    expectOnSign(
        [](Marquee& m) {
            m.setStringName(QStringLiteral("Greeting"));
            return m.ChangeMode(QStringLiteral("STRING"));
        },
        kBlankSign + textPacket("{1B}0a{16}{1C}2{1A}3Temp "
                                "{17}{1C}2{1A}3{10} "
                                "{17}{1C}2{1A}3 "
                                "{17}{1C}3{1A}3now"));
    EXPECT_TRUE(shown().empty());
}

TEST_F(RoundTrip, AnAlarm) {
    host.select(writeFile("<ALARM>Fire</ALARM>"), "Alarms", "Fire");
    StringEditorModel editor(host);
    editor.reset();
    ASSERT_TRUE(editor.load(StringKind::Alarm));
    ColoredText text;
    text.append(U"FIRE <x", msgfile::kRgbRed);
    editor.contentChanged(text);
    editor.chooseMode("Flash");
    editor.chooseSpeed("5");
    ASSERT_TRUE(editor.save());

    expectOnSign(
        [](Marquee& m) {
            m.setAlarmName(QStringLiteral("Fire"));
            return m.AlarmAdd();
        },
        textPacket("{1B}0c{19}{1C}1{1A}3FIRE <x"));
    EXPECT_TRUE(shown().empty());
}

}  // namespace
}  // namespace ztk::legendo

// SPDX-License-Identifier: MIT
// Templates and strings from message files, as the sign receives them.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>

#include "msgfile/filecache.h"
#include "protocol/itemrenderer.h"
#include "protocol/multipageflag.h"
#include "support/simulatedsign.h"

namespace ztk {
namespace {

using test::braced;
using test::packet;
using test::Packets;
using test::textPacket;

class Rendering : public test::SimulatedSignTest {};

TEST_F(Rendering, SinglePageTemplateWithAVariable) {
    useFile(
        "<MARQUEE><TEMPLATE>T<LINE><TEXT color=\"Red\" font=\"S7\">HI</TEXT></LINE>"
        "<LINE><TEXT><VARIABLE max_len=\"3\">t</VARIABLE></TEXT></LINE></TEMPLATE></MARQUEE>");
    m.setTemplateName("T");
    const QByteArray shown = textPacket("{1B}0b{09}{1D}41{1C}1{1A}3HI{0D}{1C}C{1A}3{10} {0D}");
    protocol::multipageFlag() = true;
    ASSERT_TRUE(context().updateTemplateDisplay());
    EXPECT_EQ(take(), Packets{shown});
    EXPECT_FALSE(protocol::multipageFlag());
    const protocol::VariableEntry& t = context().variables.at(0);
    EXPECT_EQ(QStringList({t.name, t.value, QString(t.label), t.length}),
              QStringList({"t", "???", " ", "3"}));

    // Through ChangeMode: the previous item's field is blanked, the template sent, then its
    // field written full of spaces.
    ASSERT_TRUE(m.ChangeMode("template"));
    EXPECT_EQ(take(), (Packets{packet("AA "), packet("G  "), shown, packet("G    ")}));
    EXPECT_TRUE(log().isEmpty());
}

TEST_F(Rendering, MultipagePagesHoldTimesRotateLineAndOtherTypes) {
    useFile(
        "<MARQUEE><TEMPLATE type=\"multipage\">M"
        "<PAGE holdtime=\"2\"><LINE><TEXT color=\"Green\">P1</TEXT></LINE></PAGE>"
        "<PAGE holdtime=\"0\"><LINE><TEXT>P2</TEXT></LINE>"
        "<ROTATELINE><TEXT color=\"Amber\" font=\"S5\">go&#4;on</TEXT></ROTATELINE></PAGE>"
        "<PAGE><LINE><TEXT>never shown</TEXT></LINE></PAGE>"
        "<PAGE holdtime=\"9\"><LINE><TEXT>X</TEXT></LINE><JUNK/></PAGE></TEMPLATE>"
        "<TEMPLATE type=\"Multipage\">Other<LINE><TEXT>hidden</TEXT></LINE></TEMPLATE>"
        "</MARQUEE>");
    m.setTemplateName("M");
    ASSERT_TRUE(m.ChangeMode("TEMPLATE"));
    EXPECT_TRUE(protocol::multipageFlag());
    EXPECT_EQ(take().back(), textPacket("{1B}\"b{1E}1{16}{1C}2{1A}3P1{0D}"
                                        "{1B}\"b{1E}1{09}{1C}C{1A}3P2{0D}"
                                        "{1B}&a{1C}C{1A}3{1C}3{1A}1go on"
                                        "{1B}\"b{1E}1"
                                        "{1B}\"b{1E}1{1C}C{1A}3X{0D}"));

    // Another letter case is no multipage template: the sign is blanked, the flag kept.
    m.setTemplateName("Other");
    ASSERT_TRUE(context().updateTemplateDisplay());
    EXPECT_EQ(take(), Packets{packet("AA")});
    EXPECT_TRUE(protocol::multipageFlag());
    EXPECT_TRUE(log().isEmpty());
}

TEST_F(Rendering, StringAttributeCombinations) {
    useFile(
        "<MARQUEE><STRING>Mode<TEXT speed=\"2\" mode=\"Rotate\" position=\"Top\" font=\"S7\" "
        "color=\"Green\">HI</TEXT></STRING>"
        "<STRING>Special<TEXT speed=\"2\" special=\"Snow\" mode=\"Rotate\" position=\"Top\" "
        "font=\"S7\" color=\"Green\">HI</TEXT></STRING>"
        "<STRING>Mixed<TEXT mode=\"hold\">A&#x4;</TEXT><TEXT>B</TEXT>"
        "<TEXT color=\"red\"><VARIABLE>v</VARIABLE></TEXT><TEXT special=\"\" mode=\"Flash\">C"
        "</TEXT><TEXT>a<text color=\"Red\">b</text></TEXT><OTHER>skipped</OTHER></STRING>"
        "</MARQUEE>");
    const std::vector<std::pair<QString, QByteArray>> cases{
        {"Mode", "{1B}\"a{16}{1C}2{1A}3HI"},
        {"Special", "{1B}\"n2{16}{1C}2{1A}3HI"},
        {"Mixed",
         "{1B}0b{17}{1C}C{1A}3A {17}{1C}C{1A}3B{17}{1C}1{1A}3{10} {17}{1C}C{1A}3C"
         "{17}{1C}C{1A}3a{17}{1C}1{1A}3b"},
    };
    for (const auto& [name, body] : cases) {
        m.setStringName(name);
        ASSERT_TRUE(m.ChangeMode("1"));
        EXPECT_EQ(take().back(), textPacket(body)) << name.toStdString();
    }
    EXPECT_EQ(context().variables.at(0).length, "0");

    // QuickDisplay sends its text unchanged, an EOT inside included.
    ASSERT_TRUE(
        m.QuickDisplay("A\x04"
                       "B"));
    EXPECT_EQ(take(), Packets{textPacket("{1B}0o{1C}C{1A}3A{04}B")});
    EXPECT_TRUE(log().isEmpty());
}

TEST_F(Rendering, AFailingElementIsLeftOutAndLoggedUnderItsRoutine) {
    const int deepest = protocol::ItemRenderer::kMaxTextNesting + 8;
    useFile(
        "<MARQUEE><TEMPLATE>F<LINE>\n"
        "  <TEXT>a<VARIABLE max_len=\"abc\">bad</VARIABLE>b</TEXT>\n"
        "  <TEXT><VARIABLE max_len=\"40000\">big</VARIABLE></TEXT>\n"
        "  <TEXT><VARIABLE max_len=\"-4\">neg</VARIABLE><Variable max_len=\"2.5\">even"
        "</Variable><VARIABLE max_len=\" 3.5 \">odd</VARIABLE></TEXT>\n"
        "  <TEXT>x<B>bold</B></TEXT>\n"
        "  <TEXT><VARIABLE max_len=\"2\"/></TEXT>\n"
        "  <JUNK>skipped</JUNK><VARIABLE>direct</VARIABLE>\n"
        "</LINE><LINE>" +
        QByteArray("<TEXT>").repeated(deepest) + "deep" + QByteArray("</TEXT>").repeated(deepest) +
        "</LINE><LINE><TEXT>after</TEXT></LINE></TEMPLATE></MARQUEE>");
    m.setTemplateName("F");
    context().variables.empty();
    ASSERT_TRUE(context().updateTemplateDisplay());
    const QByteArray nested =
        braced("{1C}C{1A}3").repeated(protocol::ItemRenderer::kMaxTextNesting);
    EXPECT_EQ(take(), Packets{packet("AA" +
                                     braced("{1B}0b{09}{1D}41{1C}C{1A}3ab{1C}C{1A}3"
                                            "{1C}C{1A}3{10} {10}!{10}\"{1C}C{1A}3{10}#{0D}") +
                                     nested + braced("{0D}{1C}C{1A}3after{0D}"))});
    QStringList registered;
    for (int i = 0; i < context().variables.count(); ++i)
        registered << context().variables.at(i).name + '=' + context().variables.at(i).length;
    EXPECT_EQ(registered, QStringList({"neg=0", "even=2", "odd=4", "direct=0"}));

    const QStringList expected{
        "[ParseVariableTag]; Invalid max_len 'abc' of variable 'bad': not a number from -32768 "
        "to 32767.",
        "[ParseVariableTag]; Invalid max_len '40000' of variable 'big': not a number from -32768 "
        "to 32767.",
        "[ParseTemplateTextTag]; Element 'B' cannot be shown inside TEXT.",
        "[ParseVariableTag]; A VARIABLE element has no name.",
        "[ParseTemplateTextTag]; TEXT elements are nested more than 32 deep.",
    };
    const QStringList lines = log();
    ASSERT_EQ(lines.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        EXPECT_TRUE(
            lines[i].endsWith("-->  Error: -2147221504, ZTKMarqueeControl" + expected[i] + '"'))
            << lines[i].toStdString();
    }
}

TEST_F(Rendering, SixtyFifthVariableIsNotRegistered) {
    QByteArray line;
    for (int i = 0; i < 65; ++i)
        line += "<TEXT><VARIABLE max_len=\"1\">v" + QByteArray::number(i) + "</VARIABLE></TEXT>";
    useFile("<MARQUEE><TEMPLATE>Many<LINE>" + line + "</LINE></TEMPLATE></MARQUEE>");
    m.setTemplateName("Many");
    ASSERT_TRUE(m.ChangeMode("TEMPLATE"));
    QByteArray body = braced("{1B}0b{09}{1D}41");
    for (int i = 0; i < 64; ++i)
        body += braced("{1C}C{1A}3{10}") + static_cast<char>(0x20 + i);
    const Packets packets = take();
    ASSERT_EQ(packets.size(), 1u + 1u + 64u);
    EXPECT_EQ(packets[1], packet("AA" + body + braced("{1C}C{1A}3{0D}")));
    EXPECT_EQ(packets.back(), packet("G_ "));
    ASSERT_EQ(log().size(), 1);
    EXPECT_TRUE(log()[0].endsWith(
        "[ParseVariableTag]; Variable maximum has been reached.  Cannot process variable: v64\""));
}

TEST_F(Rendering, UnloadableFilesAndMissingItemsSendNothing) {
    m.setTemplateName("T");
    m.setStringName("S");
    m.setAlarmName("A");
    const QString missing = path("missing.xml");
    m.setMessageFile(missing);
    EXPECT_FALSE(m.ChangeMode("TEMPLATE"));
    useFile("<MARQUEE>\n<STRING>S</MARQUEE>");
    EXPECT_FALSE(m.ChangeMode("STRING"));

    // Names are compared exactly; the first of two equal names wins.
    const QString file = useFile(
        "<MARQUEE><TEMPLATE>T<LINE><TEXT>first</TEXT></LINE></TEMPLATE><TEMPLATE>T<LINE><TEXT>"
        "second</TEXT></LINE></TEMPLATE><STRING>s</STRING><ALARM>a</ALARM></MARQUEE>");
    m.setTemplateName("t");
    EXPECT_FALSE(m.ChangeMode("TEMPLATE"));
    EXPECT_FALSE(m.ChangeMode("STRING"));
    EXPECT_FALSE(m.AlarmAdd());
    EXPECT_TRUE(context().alarms.isEmpty());
    const QStringList expected{
        "-2147221504, ZTKMarqueeControl[UpdateTemplateDisplay]; Error 1 while processing "
        "template 'T'Line 0: File was not found: '" +
            missing + "'",
        "-2147221504, ZTKMarqueeControl[UpdateStringDisplay]; Error 14While processing string "
        "'S'Line 2: Start-end tags mismatch",
        "9, ZTKMarqueeControl[UpdateTemplateDisplay]; Couldn't find template 't' in file '" + file +
            "'.",
        "-2147221504, ZTKMarqueeControl[UpdateStringDisplay]; Couldn't find string 'S' in file "
        "'" +
            file + "'.",
        "-2147221504, UpdateAlarmDisplay[UpdateAlarmDisplay]; Couldn't find alarm 'A' in file '" +
            file + "'.",
    };
    const QStringList lines = log();
    ASSERT_EQ(lines.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(lines[i].endsWith("Error: " + expected[i] + '"')) << lines[i].toStdString();
    // Only the blanking of each ChangeMode reached the sign.
    EXPECT_EQ(take(), Packets(4, packet("AA ")));

    m.setTemplateName("T");
    ASSERT_TRUE(m.ChangeMode("TEMPLATE"));
    EXPECT_EQ(take().back(), textPacket("{1B}0b{09}{1D}41{1C}C{1A}3first{0D}"));
}

TEST_F(Rendering, EditsToTheMessageFileShowAtTheNextDisplay) {
    auto file = [](const char* text) {
        return "<MARQUEE><TEMPLATE>T<LINE><TEXT>" + QByteArray(text) +
               "</TEXT></LINE></TEMPLATE></MARQUEE>";
    };
    auto showing = [](const char* text) {
        return textPacket("{1B}0b{09}{1D}41{1C}C{1A}3" + QByteArray(text) + "{0D}");
    };
    auto shown = [&] {
        EXPECT_TRUE(m.ChangeMode("TEMPLATE"));
        const Packets packets = take();
        return packets.size() > 1 ? packets[1] : QByteArray();
    };
    m.setTemplateName("T");
    const QString items = useFile(file("AAAA"));
    EXPECT_EQ(shown(), showing("AAAA"));
    EXPECT_EQ(shown(), showing("AAAA"));
    // Rewritten in place straight after a display, with the same size: within one second.
    useFile(file("BBBB"));
    EXPECT_EQ(shown(), showing("BBBB"));
    useFile(file("CCCC"));
    EXPECT_EQ(shown(), showing("CCCC"));
    // Replaced by a rename, as a save does.
    useFile(file("DDDD"), "next.xml");
    ASSERT_EQ(std::rename(QFile::encodeName(path("next.xml")).constData(),
                          QFile::encodeName(items).constData()),
              0);
    m.setMessageFile(items);
    EXPECT_EQ(shown(), showing("DDDD"));

    // A file left alone is parsed once: here with a cache that trusts a stamp at once.
    context().messageFiles = msgfile::MessageFileCache({4, 1u << 20, INT64_MIN / 2});
    EXPECT_EQ(shown(), showing("DDDD"));
    const auto kept = context().messageFiles.load(QFile::encodeName(items).toStdString()).file;
    EXPECT_EQ(shown(), showing("DDDD"));
    EXPECT_EQ(context().messageFiles.load(QFile::encodeName(items).toStdString()).file, kept);
    useFile(file("EEEEE"));
    EXPECT_EQ(shown(), showing("EEEEE"));

    // Gone: the same failure as ever, and nothing sent but the blanking.
    ASSERT_TRUE(QFile::remove(items));
    EXPECT_FALSE(m.ChangeMode("TEMPLATE"));
    EXPECT_EQ(take(), Packets{packet("AA ")});
    EXPECT_TRUE(
        log().last().endsWith("[UpdateTemplateDisplay]; Error 1 while processing "
                              "template 'T'Line 0: File was not found: '" +
                              items + "'\""))
        << log().last().toStdString();
}

}  // namespace
}  // namespace ztk

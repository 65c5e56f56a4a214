// SPDX-License-Identifier: MIT
// marquee as a Unix tool: failures explained, packets to a file or a pipe, the dump from the
// command line, warnings for unknown words, stored settings, its options and statuses.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>

#include <sys/stat.h>

#include "programrun.h"
#include "support/controltesting.h"
#include "support/tcprecorder.h"
#include "ztkversion.h"

namespace ztk {
namespace {

using test::Outcome;
using test::runMarquee;

class MarqueeCli : public test::ControlTest {
  protected:
    static QByteArray readAll(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The packets of dump lines, without their time stamps (each checked for its form).
    static QStringList dumpedPackets(const QString& file) {
        QStringList packets;
        static const QRegularExpression form(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d --> (.*)$)");
        for (const QString& line : lines(file)) {
            const auto match = form.match(line);
            EXPECT_TRUE(match.hasMatch()) << line.toStdString();
            packets << match.captured(1);
        }
        return packets;
    }
};

// A refused connection and a serial device that cannot be opened are explained on standard
// error without any log file; with one, the log holds the same messages in its own format.
TEST_F(MarqueeCli, FailuresAreExplainedWithOrWithoutALogFile) {
    test::TcpRecorder peer;
    const QString port = QString::number(peer.port());
    peer.stopListening();
    const QString refused =
        "marquee: Initialize: SOCKET Error: 10061, wskLAN; Connection refused.  STATE=Error [9]\n"
        "marquee: Initialize: Error: -2147221504, ZTKMarqueeControl[Initialize]; Socket error.\n";
    const QStringList tcp{"-e", "set MarqueeConnectMode 1", "-e", "set NetworkAddress 127.0.0.1",
                          "-e", "set NetworkPort " + port};
    Outcome r = runMarquee(tcp + QStringList{"-e", "Initialize"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.text(), "False\n");
    EXPECT_EQ(r.err, refused);

    r = runMarquee(tcp +
                   QStringList{"-e", "set MarqueeLogFile " + path("log.txt"), "-e", "Initialize"});
    EXPECT_EQ(r.err, refused);
    const QStringList log = lines(path("log.txt"));
    ASSERT_EQ(log.size(), 2);
    const QStringList messages = refused.split('\n', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < log.size(); ++i) {
        EXPECT_TRUE(QRegularExpression(R"(^"\d\d-\d\d-\d{4} \d\d:\d\d:\d\d  -->  .*"$)")
                        .match(log[i])
                        .hasMatch())
            << log[i].toStdString();
        EXPECT_EQ(log[i].section("  -->  ", 1).chopped(1), messages[i].section("Initialize: ", 1));
    }

    mapComPort(3, path("no-such-tty"));
    r = runMarquee({"-e", "set SerialComPort 3", "-e", "QuickDisplay HI"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.text(), "False\n");
    EXPECT_EQ(r.err,
              "marquee: QuickDisplay: Error: 1, mscSerialPort[SendToMarquee]; No such "
              "file or directory (" +
                  path("no-such-tty") + ")\n");
}

// --output keeps exactly the bytes a sign on TCP receives, in any connect mode, with no
// connection and no simulator; --dump writes the dump's lines in any connect mode; -v echoes
// the calls and shows the packets, the connect and the pause.
TEST_F(MarqueeCli, OutputAndDumpHoldWhatTheSignIsSent) {
    const QString examples = QStringLiteral(ZTK_EXAMPLES_DIR "/factory.xml");
    const QStringList calls{"-e", "set MessageFile '" + examples + "'",
                            "-e", "Initialize",
                            "-e", R"(QuickDisplay HELLO Green "" Hold "" Top)",
                            "-e", "set TemplateName 'Line Status'",
                            "-e", "ChangeMode TEMPLATE"};
    test::TcpRecorder peer;
    setDumpSwitch(path("switch-dump.txt"));  // the dump of the control's own switch
    const QString port = QString::number(peer.port());
    Outcome r = runMarquee(
        QStringList{"-v", "--dump", path("tcp-dump.txt"), "-e", "set MarqueeConnectMode 1", "-e",
                    "set NetworkAddress 127.0.0.1", "-e", "set NetworkPort " + port} +
        calls);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.text(), "Initialize -> True\nQuickDisplay -> True\nChangeMode -> True\n");
    EXPECT_TRUE(r.err.startsWith("marquee: connecting to 127.0.0.1:" + port +
                                 "\n"
                                 "marquee: sending [1][1][1][1][1][1]Z00[2]AA [4]\n"))
        << r.err.toStdString();
    EXPECT_TRUE(
        r.err.contains("marquee: sending [1][1][1][1][1][1]Z00[2]E.SLA[4]\n"
                       "marquee: waiting 2 s for the sign to store its memory layout\n"));
    const QStringList dumped = dumpedPackets(path("tcp-dump.txt"));
    EXPECT_EQ(dumped.size(), r.err.count("marquee: sending "));
    EXPECT_EQ(dumped, dumpedPackets(path("switch-dump.txt")));
    setDumpSwitch(QString());

    // The same calls into a file, in simulate mode: no simulator may start.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("ORVEXSIM", "/bin/sh -c 'touch " + path("simulator-started") + "'");
    r = runMarquee(QStringList{"--output", path("out.bin"), "--dump", path("sim-dump.txt"), "-e",
                               "set MarqueeConnectMode 2"} +
                       calls,
                   {{}, environment});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.text(), "True\nTrue\nTrue\n");
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    ASSERT_TRUE(peer.waitForBytes(static_cast<int>(readAll(path("out.bin")).size())));
    EXPECT_EQ(readAll(path("out.bin")), peer.bytes());
    EXPECT_TRUE(peer.bytes().startsWith(test::initializePackets() + test::packet("AA\x1b\"b\x1c"
                                                                                 "2\x1a"
                                                                                 "3HELLO")));
    EXPECT_EQ(dumpedPackets(path("sim-dump.txt")), dumped);
    EXPECT_FALSE(QFile::exists(path("simulator-started")));

    // "-" is standard output; the results then go to standard error.
    r = runMarquee(QStringList{"--output", "-", "-e", "set MarqueeConnectMode 1"} + calls);
    EXPECT_EQ(r.out, peer.bytes());
    EXPECT_EQ(r.err, "True\nTrue\nTrue\n");
}

// A word the tables do not know is warned about, and the packet is the one of the default.
TEST_F(MarqueeCli, UnknownWordsAreWarnedAboutAndSentAsTheDefault) {
    const Outcome quiet =
        runMarquee({"--output", "-", "-e", "QuickDisplay HI", "-e", "QuickDisplay HI green 1 2.0"});
    const Outcome warned =
        runMarquee({"--output", "-", "-e", "QuickDisplay HI Purple Huge '' '' Sideways", "-e",
                    "QuickDisplay HI green 1 2.0 Glitter"});
    EXPECT_EQ(quiet.err, "True\nTrue\n");
    EXPECT_EQ(warned.status, 0);
    EXPECT_EQ(warned.err,
              "marquee: warning: unknown colour 'Purple' (sent as the default)\n"
              "marquee: warning: unknown font 'Huge' (sent as the default)\n"
              "marquee: warning: unknown position 'Sideways' (sent as the default)\n"
              "True\n"
              "marquee: warning: unknown special 'Glitter' (sent as the default)\n"
              "True\n");
    const QByteArray automode = test::packet(
        "AA\x1b"
        "0o\x1c"
        "2\x1a"
        "3HI");
    EXPECT_EQ(warned.out, test::packet("AA\x1b"
                                       "0o\x1c"
                                       "C\x1a"
                                       "3HI") +
                              automode);
    EXPECT_EQ(quiet.out, test::packet("AA\x1b"
                                      "0o\x1c"
                                      "C\x1a"
                                      "3HI") +
                             test::packet("AA\x1b"
                                          "0b\x1c"
                                          "2\x1a"
                                          "3HI"));

    const Outcome variable =
        runMarquee({"--output", "-", "-e", "UpdateVariableAdv name value Teal"});
    EXPECT_TRUE(variable.err.startsWith("marquee: warning: unknown colour 'Teal'"));
    const Outcome help = runMarquee({"--help"});
    for (const QString word :
         {"AUTOCOLOR", "DIMGREEN", "SFULL", "COMPRESSEDROTATE", "STARBURST", "BOTTOM"}) {
        EXPECT_TRUE(help.text().contains(word)) << word.toStdString();
    }
}

// Options in long and short forms, "--", a usage line and status 2 with nothing to do, the
// build's version, and outputs that cannot be written.
TEST_F(MarqueeCli, ConventionalOptionsAndStatuses) {
    Outcome r = runMarquee({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.text(), "marquee " ZTK_VERSION_STRING "\n");
    for (const QStringList& args :
         {QStringList{}, QStringList{"-v"}, QStringList{"--", "Reset"}, QStringList{"--frob"},
          QStringList{"-e"}, QStringList{"script.txt"},
          QStringList{"-o", "a", "--output", "b", "-e", "Reset"},
          QStringList{"--settings", ":Hall", "-e", "Reset"}}) {
        r = runMarquee(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("Usage: marquee [OPTION]...")) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    r = runMarquee(
        {"--execute=get NetworkPort", "--execute", "get MarqueeAddress", "-vf", "-", "--"},
        {"GetSocketState\n"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.text(), "3001\n00\nGetSocketState -> Closed [0]\n");
    const QString help = runMarquee({"-h"}).text();
    for (const QString option :
         {"-e, --execute LINE", "-f, --file FILE", "-o, --output FILE", "--dump FILE",
          "--settings FILE[:GROUP]", "--save-settings FILE[:GROUP]", "-v, --verbose", "-h, --help",
          "--version", "Exit status", "Example session"}) {
        EXPECT_TRUE(help.contains(option)) << option.toStdString();
    }

    // A named pipe nobody reads is refused at once; a full device fails every call with why.
    const QString fifo = path("packets.fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    r = runMarquee({"--output", fifo, "-e", "Reset"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "marquee: cannot write " + fifo + ": no process reads this named pipe\n");
    r = runMarquee({"--output", "/dev/full", "-e", "Reset"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.text(), "False\n");
    EXPECT_EQ(r.err,
              "marquee: Reset: Error: -2147221504, ZTKMarqueeControl[SendToMarquee]; "
              "cannot write /dev/full: No space left on device\n");
    r = runMarquee({"--output", "/dev/null", "--dump", "/dev/full", "-e", "Reset"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.text(), "True\n");
    EXPECT_EQ(r.err, "marquee: cannot write /dev/full: No space left on device\n");
}

// A stored group drives a loopback peer; --save-settings writes the group back and keeps the
// file's other groups; a missing group is refused with the groups the file has.
TEST_F(MarqueeCli, StoredSettingsDriveALoopbackPeer) {
    test::TcpRecorder peer;
    const QString file = path("signs.ini");
    {
        QSettings settings(file, QSettings::IniFormat);
        settings.setValue("Dock/SerialComPort", 2);
        settings.setValue("Dock/SerialBaudRate", 19200);
        settings.setValue("Hall/MarqueeConnectMode", 1);
        settings.setValue("Hall/NetworkAddress", "127.0.0.1");
        settings.setValue("Hall/NetworkPort", peer.port());
        settings.setValue("Hall/MarqueeAddress", "1F");
    }
    Outcome r =
        runMarquee({"--settings", file + ":Hall", "-e", "Initialize", "-e", "QuickDisplay HI Red"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QByteArray hi = test::packet(
        "AA\x1b"
        "0o\x1c"
        "1\x1a"
        "3HI",
        "1F");
    ASSERT_TRUE(
        peer.waitForBytes(static_cast<int>(test::initializePackets("1F").size() + hi.size())));
    EXPECT_EQ(peer.bytes(), test::initializePackets("1F") + hi);

    struct stat before {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &before), 0);
    r = runMarquee({"--settings", file + ":Hall", "--save-settings", file + ":Hall", "-e",
                    "set NetworkPort 23002", "-e", "set MessageFile signs.xml"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    // A new file took the old one's place: a save cut short leaves the old one whole.
    struct stat after {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino);
    QSettings saved(file, QSettings::IniFormat);
    EXPECT_EQ(saved.value("Hall/NetworkPort").toInt(), 23002);
    EXPECT_EQ(saved.value("Hall/MessageFile").toString(), "signs.xml");
    EXPECT_EQ(saved.value("Hall/MarqueeAddress").toString(), "1F");
    EXPECT_EQ(saved.value("Dock/SerialBaudRate").toInt(), 19200);

    // Defaults are stored too, so that a group saved with every value at its default is there.
    const QString fresh = path("fresh.ini");
    EXPECT_EQ(runMarquee({"--save-settings", fresh + ":Spare"}).status, 0);
    EXPECT_EQ(QSettings(fresh, QSettings::IniFormat).value("Spare/SerialParity"), "None");
    EXPECT_EQ(runMarquee({"--settings", fresh + ":Spare", "-e", "get NetworkPort"}).text(),
              "3001\n");

    r = runMarquee({"--settings", file + ":Hal", "-e", "Initialize"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err,
              "marquee: settings file " + file + " has no group [Hal] (groups: Dock, Hall)\n");
    r = runMarquee({"--settings", path("none.ini"), "-e", "Reset"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("No such file or directory")) << r.err.toStdString();
    r = runMarquee({"--save-settings", file + "/new.ini"});  // a file where a folder must be
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.startsWith("marquee: cannot save settings to ")) << r.err.toStdString();
}

}  // namespace
}  // namespace ztk

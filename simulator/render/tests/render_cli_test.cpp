#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include "framecases.h"
#include "packetinput.h"
#include "renderoptions.h"

namespace ztk::render {
namespace {

struct ToolRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

ToolRun runTool(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(ZTK_RENDER_PROGRAM), args);
    ToolRun r;
    if (!p.waitForFinished(60000)) return r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString hexOf(const std::string& bytes) {
    return QString::fromLatin1(QByteArray(bytes.data(), static_cast<int>(bytes.size())).toHex(' '));
}

// Every malformed argument is refused with a message and status 2, before anything is shown.
TEST(RenderCli, BadArgumentsExitWithStatusTwo) {
    const QStringList packet = {"-x", "01 5A 30 30 02 41 41 48 49 04"};
    const std::vector<QStringList> bad = {
        {"--zoom", "x"},        {"--zoom", "16"},   {"--steps", "-1"},
        {"--steps", "1e3"},     {"--seed", "-4"},   {"--time", "2002-02-30T10:00"},
        {"--time", "13:05"},    {"--model", "bad"}, {"--model", "S,0,24,3,1,1,1"},
        {"--frobnicate"},       {"-x", "0G"},       {"-x", "123"},
        {"/nonexistent/p.pkt"}, {"--png"},
    };
    for (QStringList args : bad) {
        SCOPED_TRACE(args.join(' ').toStdString());
        if (args.size() > 1 || args.front() != "--png") args += packet;
        const ToolRun r = runTool(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.err.startsWith("orvexsim-render: ")) << r.err.constData();
        EXPECT_TRUE(r.out.isEmpty());
    }
    const ToolRun none = runTool({"--ansi"});
    EXPECT_EQ(none.status, 2);
    EXPECT_TRUE(none.err.contains("no PACKET")) << none.err.constData();

    const ToolRun help = runTool({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains("Usage: orvexsim-render"));
    EXPECT_TRUE(help.out.contains("Example"));
}

// The known messages, given as packet files and as hexadecimal, written with --leds, match the
// LEDs the engine's tests expect; the string packet of the template travels as a string-file
// packet (were it a new message, it would wipe the template).
TEST(RenderCli, LedDumpsOfKnownMessages) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const auto& c : sim::test::frameCases()) {
        SCOPED_TRACE(c.name);
        QStringList args = {
            "--model", QString::fromStdString(c.model), "--steps", QString::number(c.steps),
            "--time",  QString::fromStdString(c.time),  "--leds",  dir.filePath("out.leds")};
        for (std::size_t i = 0; i < c.packets.size(); ++i) {
            if (i % 2 == 0) {
                const QString file = dir.filePath(QString("p%1.pkt").arg(i));
                QFile f(file);
                ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                f.write(c.packets[i].data(), static_cast<qint64>(c.packets[i].size()));
                f.close();
                args << file;
            } else {
                args << "-x" << hexOf(c.packets[i]);
            }
        }
        const ToolRun r = runTool(args);
        ASSERT_EQ(r.status, 0) << r.err.constData();
        EXPECT_TRUE(r.out.isEmpty());
        const QByteArray expected =
            readAll(QString::fromStdString(ZTK_ENGINE_FRAMES_DIR "/" + c.name + ".leds"));
        EXPECT_EQ(readAll(dir.filePath("out.leds")).toStdString(), expected.toStdString());
    }
}

// --png writes the dotted screen image and --ansi prints the LEDs in colour, two rows to a
// line; an output that cannot be written gives status 1.
TEST(RenderCli, PngAndTerminalImage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto& c = sim::test::frameCases().front();  // HELLO in red over WORLD in green
    const QString hex = hexOf(c.packets.front());
    const ToolRun r =
        runTool({"--steps", "1", "--png", dir.filePath("s.png"), "--ansi", "-x", hex});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    const QImage image(dir.filePath("s.png"));
    ASSERT_EQ(image.size(), QSize(720, 144));
    // The "H" starts at LED (45, 4): a red dot with a black gap after it; off LEDs are grey.
    EXPECT_EQ(image.pixel(45 * 6 + 2, 4 * 6 + 2), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(45 * 6 + 5, 4 * 6 + 2), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(2, 2), qRgb(64, 64, 64));
    EXPECT_EQ(image.pixel(45 * 6 + 2, 12 * 6 + 2), qRgb(0, 255, 0));

    EXPECT_EQ(r.out.count('\n'), 12);
    EXPECT_TRUE(r.out.contains("\x1b[38;2;255;0;0m"));
    EXPECT_TRUE(r.out.contains("\x1b[38;2;0;255;0m"));
    EXPECT_TRUE(r.out.contains("\u2580"));

    const ToolRun unwritable = runTool({"--png", "/nonexistent/dir/s.png", "-x", hex});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_TRUE(unwritable.err.contains("cannot write"));
}

// A packet's kind is read after its escaping is undone; the hexadecimal argument takes blanks
// only between bytes.
TEST(RenderCli, PacketKindsAndHexadecimal) {
    const auto bytes = [](const std::string& s) {
        return std::vector<std::uint8_t>(s.begin(), s.end());
    };
    EXPECT_EQ(packetKind(bytes("\x01Z00\x02G 42\x04")), 842);
    EXPECT_EQ(packetKind(bytes("]!]!Z00]\"G 42]$")), 842);
    EXPECT_EQ(packetKind(bytes("_01_01Z00_02G 42_04")), 842);
    EXPECT_EQ(packetKind(bytes("\x01Z00\x02"
                               "AAG\x04")),
              586);
    EXPECT_EQ(packetKind(bytes("G without STX")), 586);
    EXPECT_EQ(packetKind({}), 586);

    EXPECT_EQ(parseHex("0102 ff"), (std::vector<std::uint8_t>{1, 2, 0xFF}));
    EXPECT_FALSE(parseHex("0 1"));
    EXPECT_FALSE(parseHex(""));
    EXPECT_EQ(parseTime("2002-01-05T13:05")->weekday, 6);
    EXPECT_EQ(parseTime("2024-02-29T00:00")->weekday, 4);
    EXPECT_FALSE(parseTime("2023-02-29T00:00"));
}

}  // namespace
}  // namespace ztk::render

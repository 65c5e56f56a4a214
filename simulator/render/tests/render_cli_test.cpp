#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "framecases.h"
#include "packetinput.h"

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
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) return r;
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString hexOf(const std::string& bytes) {
    return QString::fromLatin1(QByteArray::fromStdString(bytes).toHex(' '));
}

// Every malformed argument is refused with a message and status 2 before anything is shown;
// --help documents the tool with an example.
TEST(RenderCli, BadArgumentsAndHelp) {
    for (const char* line : {"--zoom 16", "--steps 1e3", "--seed -4", "--time 2002-02-30T10:00",
                             "--model S,0,24,3,1,1,1", "--frobnicate", "-x 0G", "-x 123",
                             "/nonexistent/p.pkt", "--png", ""}) {
        SCOPED_TRACE(line);
        QStringList args = QString(line).split(' ', Qt::SkipEmptyParts);
        if (!args.isEmpty() && args.front() != "--png")
            args << "-x"
                 << "02 41 41 48 49 04";
        const ToolRun r = runTool(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.err.startsWith("orvexsim-render: ")) << r.err.constData();
        EXPECT_TRUE(r.out.isEmpty());
    }
    const ToolRun help = runTool({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains("Usage: orvexsim-render") && help.out.contains("Example"));
}

// The known messages, given as packet files and as hexadecimal, come out of --leds as the
// engine's tests expect; the template's string packet travels as a string-file packet (as a
// new message it would wipe the template). Packet kinds are read after unescaping.
TEST(RenderCli, LedDumpsOfKnownMessages) {
    QTemporaryDir dir;
    for (const auto& c : sim::test::frameCases()) {
        SCOPED_TRACE(c.name);
        QStringList args = {
            "--model", QString::fromStdString(c.model), "--time", "2002-01-05T13:05",
            "--steps", QString::number(c.steps),        "--leds", dir.filePath("out.leds")};
        for (std::size_t i = 0; i < c.packets.size(); ++i) {
            if (i % 2) {
                args << "-x" << hexOf(c.packets[i]);
                continue;
            }
            QFile f(dir.filePath(QString("p%1.pkt").arg(i)));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(QByteArray::fromStdString(c.packets[i]));
            args << f.fileName();
        }
        const ToolRun r = runTool(args);
        ASSERT_EQ(r.status, 0) << r.err.constData();
        EXPECT_EQ(readAll(dir.filePath("out.leds")).toStdString(),
                  readAll(QString::fromStdString(ZTK_ENGINE_FRAMES_DIR "/" + c.name + ".leds"))
                      .toStdString());
    }
    const auto kind = [](const std::string& s) {
        return packetKind(std::vector<std::uint8_t>(s.begin(), s.end()));
    };
    EXPECT_EQ(kind("]!]!Z00]\"G 42]$"), 842);
    EXPECT_EQ(kind("_01Z00_02G 42_04"), 842);
    EXPECT_EQ(kind("\001Z00\002AAG\004"), 586);
}

// --png writes the dotted screen, --ansi the LEDs in colour two rows a line; an output that
// cannot be written gives status 1.
TEST(RenderCli, PngAndTerminalImage) {
    QTemporaryDir dir;
    const QString hex = hexOf(sim::test::frameCases().front().packets.front());  // HELLO / WORLD
    const ToolRun r =
        runTool({"--steps", "1", "--png", dir.filePath("s.png"), "--ansi", "-x", hex});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    const QImage image(dir.filePath("s.png"));
    ASSERT_EQ(image.size(), QSize(720, 144));
    // "H" starts at LED (45, 4): a red dot, then the black gap; off LEDs are grey.
    EXPECT_EQ(image.pixel(45 * 6 + 2, 4 * 6 + 2), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(45 * 6 + 5, 4 * 6 + 2), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(2, 2), qRgb(64, 64, 64));
    EXPECT_EQ(image.pixel(45 * 6 + 2, 12 * 6 + 2), qRgb(0, 255, 0));
    EXPECT_EQ(r.out.count('\n'), 12);
    EXPECT_TRUE(r.out.contains("\033[38;2;255;0;0m\033[48;2;255;0;0m\u2580"));
    EXPECT_TRUE(r.out.contains("\033[38;2;0;255;0m"));

    const ToolRun unwritable = runTool({"--png", "/nonexistent/dir/s.png", "-x", hex});
    EXPECT_EQ(unwritable.status, 1);
}

}  // namespace
}  // namespace ztk::render

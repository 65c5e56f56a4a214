// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <sys/stat.h>

#include <memory>

#include "framecases.h"
#include "simcore/framesplitter.h"
#include "ztkversion.h"

namespace ztk::render {
namespace {

struct ToolRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the tool with `input` on standard input and, when `outputFile` is given, its standard
// output going there.
ToolRun runTool(const QStringList& args, const QByteArray& input = {},
                const QString& outputFile = {}) {
    QProcess p;
    if (!outputFile.isEmpty()) p.setStandardOutputFile(outputFile);
    p.start(QStringLiteral(ZTK_RENDER_PROGRAM), args);
    ToolRun r;
    if (!p.waitForStarted()) return r;
    p.write(input);
    p.closeWriteChannel();
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

    // Nothing to do is a usage error; --version names the build's version.
    const ToolRun none = runTool({});
    EXPECT_EQ(none.status, 2);
    EXPECT_TRUE(none.err.contains("no PACKET given\nUsage: orvexsim-render"))
        << none.err.constData();
    const ToolRun version = runTool({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "orvexsim-render " ZTK_VERSION_STRING "\n");
    // "--" ends the options: a packet file may be called "-x".
    QTemporaryDir dir;
    const QString home = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    QFile dashed("-x");
    ASSERT_TRUE(dashed.open(QIODevice::WriteOnly));
    dashed.write(QByteArray::fromStdString(sim::test::frameCases().front().packets.front()));
    dashed.close();
    EXPECT_EQ(runTool({"--leds", "-", "--", "-x"}).status, 0);
    QDir::setCurrent(home);
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
        return sim::packetKind(std::vector<std::uint8_t>(s.begin(), s.end()));
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

QByteArray expectedLeds(const std::string& name) {
    return readAll(QString::fromStdString(ZTK_ENGINE_FRAMES_DIR "/" + name + ".leds"));
}

QStringList caseArgs(const sim::test::FrameCase& c) {
    return {"--model", QString::fromStdString(c.model), "--time", "2002-01-05T13:05",
            "--steps", QString::number(c.steps),        "--leds", "-"};
}

// Packets back to back on standard input are split at their frames and fed in order (the
// template, then its field's string file); bytes between them are skipped with a warning
// that says where; a packet cut off by the next one is skipped too.
TEST(RenderCli, StreamsOfPacketsFromStandardInput) {
    const auto& c = sim::test::frameCases()[1];  // template_variable: two packets
    ASSERT_EQ(c.packets.size(), 2u);
    const QByteArray first = QByteArray::fromStdString(c.packets[0]);
    const QByteArray second = QByteArray::fromStdString(c.packets[1]);

    ToolRun r = runTool(caseArgs(c) << "-", first + second);
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_EQ(r.out, expectedLeds(c.name));
    EXPECT_TRUE(r.err.isEmpty()) << r.err.constData();

    const QByteArray cut = QByteArray(3, '\x01') +
                           "Z00\x02"
                           "AAWRONG";
    r = runTool(caseArgs(c) << "-", "noise" + first + "\r\n" + cut + second + "end");
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_EQ(r.out, expectedLeds(c.name));
    const QString at2 = QString::number(5 + first.size());
    EXPECT_EQ(QString::fromUtf8(r.err),
              "orvexsim-render: warning: standard input: 5 bytes at offset 0 hold no packet; "
              "skipped\n"
              "orvexsim-render: warning: standard input: 2 bytes at offset " +
                  at2 +
                  " hold no packet; skipped\n"
                  "orvexsim-render: warning: standard input: the packet at offset " +
                  QString::number(at2.toInt() + 2) + " (" + QString::number(cut.size()) +
                  " bytes) ends before its EOT; skipped\n"
                  "orvexsim-render: warning: standard input: 3 bytes at offset " +
                  QString::number(5 + first.size() + 2 + cut.size() + second.size()) +
                  " hold no packet; skipped\n");

    // Nothing but noise shows the blank sign and says so.
    r = runTool({"--leds", "-", "-"}, "noise");
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.err.endsWith("standard input holds no packet\n")) << r.err.constData();
}

// Named files must be regular: a named pipe with no writer is refused at once instead of
// waiting for one, and so are a directory and a device. A picture too large to keep is
// reported.
TEST(RenderCli, OnlyRegularFilesAreRead) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("link.fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& input : {fifo, dir.path(), QStringLiteral("/dev/zero")}) {
        const ToolRun r = runTool({"--leds", "-", input});
        EXPECT_EQ(r.status, 2) << input.toStdString();
        EXPECT_TRUE(r.err.contains("not a regular file")) << r.err.constData();
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_TRUE(runTool({"--leds", "-", fifo}).err.contains("is a named pipe"));

    const QByteArray huge =
        "\x01Z00\x02"
        "Mhuge_pictFFFFFFFF\r\x04";
    const ToolRun r = runTool({"--leds", "-", "-"}, huge);
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(
        r.err.contains("picture \"huge_pict\" of 65535 x 65535 LEDs in the packet at "
                       "offset 0 is not shown: it takes 4294901760 bytes, and a picture "
                       "may take at most 4194304"))
        << r.err.constData();
}

// An output that cannot be written completely fails the run with the reason, whichever it
// is; a file that could not be replaced keeps its old content.
TEST(RenderCli, OutputsThatCannotBeWrittenFail) {
    const QString hex = hexOf(sim::test::frameCases().front().packets.front());
    for (const QStringList& outputs :
         {QStringList{"--png", "/dev/full"}, QStringList{"--leds", "/dev/full"}}) {
        const ToolRun r = runTool(outputs + QStringList{"-x", hex});
        EXPECT_EQ(r.status, 1) << outputs.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("cannot write \"/dev/full\": No space left on device"))
            << r.err.constData();
    }
    for (const QStringList& outputs : {QStringList{"--leds", "-"}, QStringList{"--ansi"}}) {
        const ToolRun r = runTool(outputs + QStringList{"-x", hex}, {}, "/dev/full");
        EXPECT_EQ(r.status, 1) << outputs.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("cannot write standard output: No space left on device"))
            << r.err.constData();
    }
}

// On a full disk the old output stays as it was, and no half-written file is left beside it.
TEST(RenderCli, FullDiskKeepsTheOldOutput) {
    QTemporaryDir dir;
    if (::mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "mounting a small file system needs root";
    }
    const std::unique_ptr<QTemporaryDir, void (*)(QTemporaryDir*)> unmount(
        &dir,
        [](QTemporaryDir* d) { ::umount2(QFile::encodeName(d->path()).constData(), MNT_DETACH); });
    const auto& cases = sim::test::frameCases();
    const QString png = dir.filePath("sign.png");
    const QString leds = dir.filePath("sign.leds");
    ASSERT_EQ(runTool({"--png", png, "--leds", leds, "-x", hexOf(cases[0].packets[0])}).status, 0);
    const QByteArray oldPng = readAll(png);
    const QByteArray oldLeds = readAll(leds);
    QFile filler(dir.filePath("filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'x')) == 4096) {
    }
    filler.close();

    const ToolRun r = runTool({"--png", png, "--leds", leds, "-x", hexOf(cases[2].packets[0])});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("No space left on device")) << r.err.constData();
    EXPECT_EQ(readAll(png), oldPng);
    EXPECT_EQ(readAll(leds), oldLeds);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList({"filler", "sign.leds", "sign.png"}));
}

}  // namespace
}  // namespace ztk::render

// SPDX-License-Identifier: MIT
// marquee-settings: reading and saving one sign's group of an INI file, the tool saving a
// changed port from its dialog, and the program's command line.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ZTKMarqueePages/propertiesdialog.h"
#include "pagestesting.h"
#include "settingsfile.h"
#include "settingstool.h"

namespace ztk::settings {
namespace {

class SettingsFileTest : public ::testing::Test {
  protected:
    QString path(const QString& name) const { return folder_.filePath(name); }
    QString write(const QString& name, const QByteArray& bytes) {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    static QByteArray read(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Names in the folder, hidden ones too (a temporary file left behind would show).
    QStringList entries() const {
        return QDir(folder_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    QTemporaryDir folder_;
};

const QByteArray kTwoSigns =
    "[Lobby]\n"
    "MarqueeConnectMode=1\n"
    "NetworkAddress=192.0.2.10\n"
    "\n"
    "[Hall]\n"
    "SerialComPort=2\n"
    "SerialBaudRate=19200\n";

TEST_F(SettingsFileTest, AGroupMissingEveryValueGivesANewControl) {
    const QString file = write("signs.ini", kTwoSigns);
    const QVariantMap fresh = pages::test::persisted(Marquee());
    for (const QString& name : {path("signs.ini"), path("absent.ini")}) {
        Marquee sign;
        pages::test::loadStored(
            sign, {{"NetworkPort", 1}, {"MarqueeAddress", "G7"}});  // replaced by load
        ASSERT_EQ(SettingsFile(name, "Entrance").load(sign), std::nullopt);
        EXPECT_EQ(pages::test::persisted(sign), fresh) << name.toStdString();
    }
    Marquee lobby;
    ASSERT_EQ(SettingsFile(file, "Lobby").load(lobby), std::nullopt);
    EXPECT_EQ(lobby.MarqueeConnectMode(), 1);
    EXPECT_EQ(lobby.NetworkAddress(), "192.0.2.10");
    EXPECT_EQ(lobby.SerialComPort(), 1);
}

TEST_F(SettingsFileTest, SavingReplacesOneGroupAndKeepsTheRest) {
    const QString file = write("signs.ini", kTwoSigns);
    ::chmod(QFile::encodeName(file).constData(), 0640);
    QFile::link(file, path("link.ini"));
    Marquee lobby;
    const SettingsFile settings(path("link.ini"), "Lobby");
    ASSERT_EQ(settings.load(lobby), std::nullopt);
    lobby.setNetworkPort(4001);
    lobby.setMarqueeConnectMode(0);  // back to its default: the key goes
    ASSERT_EQ(settings.save(lobby), std::nullopt);

    EXPECT_TRUE(QFileInfo(path("link.ini")).isSymLink());  // the file it names was replaced
    EXPECT_EQ(QFile::permissions(file) & 0x0fff, QFile::permissions(file) & 0x0fff);
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
    EXPECT_EQ(entries(), QStringList({"link.ini", "signs.ini"}));

    QSettings stored(file, QSettings::IniFormat);
    EXPECT_EQ(stored.value("Lobby/NetworkPort").toInt(), 4001);
    EXPECT_EQ(stored.value("Lobby/NetworkAddress").toString(), "192.0.2.10");
    EXPECT_FALSE(stored.contains("Lobby/MarqueeConnectMode"));
    EXPECT_EQ(stored.value("Hall/SerialBaudRate").toInt(), 19200);
    EXPECT_EQ(stored.childGroups(), QStringList({"Hall", "Lobby"}));

    // A new file in a folder that is missing cannot be saved, and says where.
    const auto missing = SettingsFile(path("none/signs.ini"), "Lobby").save(lobby);
    ASSERT_TRUE(missing);
    EXPECT_TRUE(missing->contains(path("none"))) << missing->toStdString();
}

TEST_F(SettingsFileTest, FilesThatCannotBeSettingsAreRefusedUntouched) {
    ASSERT_TRUE(QDir(folder_.path()).mkdir("folder.ini"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe.ini")).constData(), 0600), 0);
    QFile large(path("large.ini"));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly));
    ASSERT_TRUE(large.resize(kMaxSettingsFileSize + 1));
    large.close();
    for (const QString name : {"folder.ini", "pipe.ini", "large.ini"}) {
        Marquee sign;
        const auto loaded = SettingsFile(path(name), "Marquee").load(sign);
        ASSERT_TRUE(loaded) << name.toStdString();
        EXPECT_TRUE(loaded->startsWith("cannot read " + path(name))) << loaded->toStdString();
        EXPECT_TRUE(SettingsFile(path(name), "Marquee").save(sign));
    }
    EXPECT_EQ(QFileInfo(path("large.ini")).size(), kMaxSettingsFileSize + 1);
    EXPECT_EQ(entries(), QStringList({"folder.ini", "large.ini", "pipe.ini"}));
}

TEST_F(SettingsFileTest, AFullDiskFailsTheSaveWithTheOldFileWhole) {
    // A tmpfs of 40 KiB: the settings file and a filler take nearly all of it.
    const QString disk = path("disk");
    ASSERT_TRUE(QDir().mkpath(disk));
    if (::mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", 0, "size=40k") != 0)
        GTEST_SKIP() << "mounting a small file system needs root";
    const QString file = disk + "/signs.ini";
    QByteArray big = kTwoSigns;
    big += "[Notes]\nText=" + QByteArray(16 * 1024, 'x') + "\n";
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(big);
        QFile filler(disk + "/filler");
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        filler.write(QByteArray(20 * 1024, 'f'));
    }
    Marquee lobby;
    const SettingsFile settings(file, "Lobby");
    ASSERT_EQ(settings.load(lobby), std::nullopt);
    lobby.setNetworkPort(4001);
    const auto saved = settings.save(lobby);
    EXPECT_TRUE(saved);
    EXPECT_EQ(read(file), big);
    EXPECT_EQ(
        QDir(disk).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
        QStringList({"filler", "signs.ini"}));
    ::umount2(QFile::encodeName(disk).constData(), MNT_DETACH);
}

TEST_F(SettingsFileTest, TheToolSavesAChangedPortOnApplyAndOk) {
    const QString file = write("signs.ini", kTwoSigns);
    pages::test::ScriptedPrompter prompter;
    SettingsTool tool({file, "Lobby"}, prompter);
    ASSERT_EQ(tool.open(), std::nullopt);
    pages::PropertiesDialog& dialog = tool.dialog();
    dialog.show();
    dialog.findChild<QTabWidget*>()->setCurrentIndex(1);
    auto* port = dialog.findChild<QLineEdit*>("txtNetworkPort");
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    EXPECT_EQ(port->text(), "3001");
    port->selectAll();
    QTest::keyClicks(port, "4001");
    buttons->button(QDialogButtonBox::Apply)->click();
    EXPECT_TRUE(prompter.errors.empty());
    {
        QSettings stored(file, QSettings::IniFormat);
        EXPECT_EQ(stored.value("Lobby/NetworkPort").toInt(), 4001);
        EXPECT_EQ(stored.value("Lobby/MarqueeConnectMode").toInt(), 1);
        EXPECT_EQ(stored.value("Hall/SerialComPort").toInt(), 2);
    }

    port->selectAll();
    QTest::keyClicks(port, "4002");
    buttons->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    QSettings stored(file, QSettings::IniFormat);
    EXPECT_EQ(stored.value("Lobby/NetworkPort").toInt(), 4002);
}

TEST_F(SettingsFileTest, AFailedSaveIsShownAndKeepsTheDialogOpen) {
    pages::test::ScriptedPrompter prompter;
    EXPECT_TRUE(SettingsTool({path("none/signs.ini"), "Lobby"}, prompter).open());
    ASSERT_TRUE(QDir().mkpath(path("gone")));
    SettingsTool tool({path("gone/signs.ini"), "Lobby"}, prompter);
    ASSERT_EQ(tool.open(), std::nullopt);  // a missing file is a new control
    ASSERT_TRUE(QDir(path("gone")).removeRecursively());
    pages::PropertiesDialog& dialog = tool.dialog();
    dialog.show();
    dialog.findChild<QLineEdit*>("txtMessageFile")->setText("/srv/a.xml");
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    ASSERT_EQ(prompter.errors.size(), 1u);
    EXPECT_TRUE(prompter.errors[0].startsWith("The settings were not saved: cannot save "))
        << prompter.errors[0].toStdString();
    EXPECT_TRUE(dialog.isVisible());
}

struct Outcome {
    int status;
    QString out;
    QString err;
};

Outcome runProgram(const QStringList& arguments) {
    QProcess program;
    program.start(MARQUEE_SETTINGS_PROGRAM, arguments);
    EXPECT_TRUE(program.waitForFinished(30000));
    return {program.exitCode(), QString::fromLocal8Bit(program.readAllStandardOutput()),
            QString::fromLocal8Bit(program.readAllStandardError())};
}

TEST(SettingsProgram, CommandLine) {
    const Outcome help = runProgram({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: marquee-settings FILE [GROUP]\n"));
    const Outcome version = runProgram({"--version"});
    EXPECT_EQ(version.out, "marquee-settings 2.0.1\n");
    EXPECT_EQ(runProgram({}).status, 2);
    EXPECT_EQ(runProgram({"a.ini", "Lobby", "extra"}).err,
              "marquee-settings: unexpected argument 'extra' (see marquee-settings --help)\n");
    EXPECT_EQ(runProgram({"a.ini", ""}).status, 2);
    EXPECT_EQ(runProgram({"--colour", "a.ini"}).status, 2);

    const Outcome folder = runProgram({QDir::tempPath()});
    EXPECT_EQ(folder.status, 1);
    EXPECT_EQ(folder.err,
              "marquee-settings: cannot read " + QDir::tempPath() + ": it is not a regular file\n");
}

}  // namespace
}  // namespace ztk::settings

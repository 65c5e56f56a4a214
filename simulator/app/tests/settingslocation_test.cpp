// SPDX-License-Identifier: MIT
// Where the simulator keeps its settings: beside a program built or copied with its file,
// in the user's config folder otherwise, seeded there on the first start.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "settingspath.h"
#include "simsettings.h"

namespace ztk::simapp {
namespace {

void writeFile(const QString& path, const QByteArray& content,
               QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QFile::setPermissions(path, permissions);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A prefix with an installed simulator: <prefix>/bin/orvexsim, its model list in share/.
struct Installation {
    QTemporaryDir root;
    QString program() const { return root.filePath("prefix/bin/orvexsim"); }
    QString config() const { return root.filePath("home/.config"); }
    QString userFile() const { return config() + "/orvexsim/orvexsim.ini"; }
    QString modelList() const {
        return root.filePath("prefix/share/orvexsim/orvexsim.example.ini");
    }
    Installation() { writeFile(program(), "#!/bin/sh\n"); }
};

TEST(SettingsLocationTest, BesideTheProgramNameWithItsExtensionReplaced) {
    EXPECT_EQ(settingsFileBeside("/opt/sim/orvexsim"), "/opt/sim/orvexsim.ini");
    EXPECT_EQ(settingsFileBeside("/opt/sim/orvexsim.exe"), "/opt/sim/orvexsim.ini");
    EXPECT_EQ(settingsFileBeside("/opt/sim.d/orvexsim"), "/opt/sim.d/orvexsim.ini");
    EXPECT_EQ(settingsFileBeside("/opt/sim/.orvexsim"), "/opt/sim/.orvexsim.ini");
}

TEST(SettingsLocationTest, BuildFoldersAndPortableCopiesKeepTheFileBesideTheProgram) {
    QTemporaryDir root;
    const QString config = root.filePath("config");

    // An installed program, or any copy without a settings file of its own: the user's
    // config folder, even where the program's folder could be written (root and /usr/bin).
    const QString installed = root.filePath("usr/bin/orvexsim");
    writeFile(installed, "#!/bin/sh\n");
    EXPECT_EQ(settingsFilePath(installed, config), config + "/orvexsim/orvexsim.ini");

    // The folder CMake built the program in.
    const QString built = root.filePath("build/simulator/app/orvexsim");
    writeFile(built, "#!/bin/sh\n");
    ASSERT_TRUE(QDir().mkpath(root.filePath("build/simulator/app/CMakeFiles")));
    EXPECT_EQ(settingsFilePath(built, config), built + ".ini");

    // A portable copy that brings its settings file.
    const QString portable = root.filePath("stick/orvexsim");
    writeFile(portable, "#!/bin/sh\n");
    writeFile(portable + ".ini", "[Settings]\nZoom=3\n");
    EXPECT_EQ(settingsFilePath(portable, config), portable + ".ini");

    // A folder that is gone cannot hold it either way.
    EXPECT_EQ(settingsFilePath(root.filePath("gone/orvexsim"), config),
              config + "/orvexsim/orvexsim.ini");
}

TEST(SettingsLocationTest, AnInstalledSimulatorSeedsTheUserFileFromTheInstalledModelList) {
    const Installation install;
    writeFile(install.modelList(), "[Displays]\nD001=\"Orvex 5210C,120,24,3,3FFF,3FF,77\"\n",
              QFile::ReadOwner);  // as installed: not the user's to write

    const QString path = prepareSettingsFile(install.program(), install.config(), {});
    EXPECT_EQ(path, install.userFile());
    EXPECT_EQ(readFile(path), readFile(install.modelList()));
    {
        SimSettings settings(path);
        EXPECT_EQ(settings.displays(), QStringList{"Orvex 5210C,120,24,3,3FFF,3FF,77"});
        settings.setInteger(key::kZoom, 7);
    }
    EXPECT_TRUE(QFileInfo(path).isWritable());
    // Later starts take the user's file as it is now.
    writeFile(install.modelList(), "[Displays]\nD001=\"Other,8,8,1,1,1,1\"\n");
    EXPECT_EQ(prepareSettingsFile(install.program(), install.config(), {}), path);
    EXPECT_EQ(SimSettings(path).integer(key::kZoom, 5), 7);
    EXPECT_EQ(SimSettings(path).displays(), QStringList{"Orvex 5210C,120,24,3,3FFF,3FF,77"});
}

TEST(SettingsLocationTest, SeedsComeFromTheEarlierUserFileThenEachDataFolder) {
    const Installation install;
    QTemporaryDir data;
    writeFile(data.filePath("orvexsim/orvexsim.example.ini"),
              "[Displays]\nD001=\"Data,8,8,1,1,1,1\"\n");

    // Nothing installed beside the program: the data folders of the system.
    const QString path = prepareSettingsFile(install.program(), install.config(), {data.path()});
    EXPECT_EQ(SimSettings(path).displays(), QStringList{"Data,8,8,1,1,1,1"});
    ASSERT_TRUE(QFile::remove(path));

    // The file where earlier versions kept it comes first: nothing the user set is lost.
    writeFile(install.config() + "/orvexsim.ini", "[Settings]\nZoom=9\n");
    EXPECT_EQ(SimSettings(prepareSettingsFile(install.program(), install.config(), {data.path()}))
                  .integer(key::kZoom, 5),
              9);
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::remove(install.config() + "/orvexsim.ini"));

    // No seed at all: no file, and the program starts without a list, as before. A folder
    // where a seed should be is passed over.
    ASSERT_TRUE(QDir().mkpath(install.modelList()));
    EXPECT_EQ(prepareSettingsFile(install.program(), install.config(), {}), path);
    EXPECT_FALSE(QFileInfo::exists(path));

    // A program that keeps its file beside it is never seeded from elsewhere.
    writeFile(install.program() + ".ini", "");
    EXPECT_EQ(prepareSettingsFile(install.program(), install.config(), {data.path()}),
              install.program() + ".ini");
    EXPECT_TRUE(readFile(install.program() + ".ini").isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path));
}

}  // namespace
}  // namespace ztk::simapp

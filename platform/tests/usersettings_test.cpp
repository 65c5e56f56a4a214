// SPDX-License-Identifier: MIT
// Per-user settings land in the one shared file, where users and other programs find them.
#include <gtest/gtest.h>

#include <QFile>

#include "platform/usersettings.h"
#include "qtprinters.h"

namespace ztk::platform {
namespace {

// Not a static: the test main points XDG_CONFIG_HOME at a private folder only in main().
QString settingsFile() {
    return qEnvironmentVariable("XDG_CONFIG_HOME") + "/ZTKMarqueeControl.conf";
}

QString fileText() {
    QFile file(settingsFile());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(UserSettings, ValuesRoundTripThroughTheSharedFile) {
    const QString dumpOutput = QStringLiteral("DumpOutput"), file = QStringLiteral("File");
    EXPECT_EQ(readUserSetting(dumpOutput, file), QString());
    EXPECT_EQ(readUserSetting(QStringLiteral("Legendo"), QStringLiteral("File9"), 5), 5);

    const QString dump = QStringLiteral("/var/tmp/sign dump.txt");
    ASSERT_TRUE(writeUserSetting(dumpOutput, file, dump));
    ASSERT_TRUE(writeUserSetting(QStringLiteral("Legendo"), QStringLiteral("File1"), "/a.xml"));
    EXPECT_EQ(readUserSetting(dumpOutput, file), dump);
    EXPECT_TRUE(fileText().contains("[DumpOutput]\nFile=" + dump)) << fileText();
    EXPECT_TRUE(fileText().contains("[Legendo]\nFile1=/a.xml")) << fileText();

    ASSERT_TRUE(removeUserSetting(dumpOutput, file));
    EXPECT_EQ(readUserSetting(dumpOutput, file), QString());

    // A file edited by hand, as a user switches the dump on, is read as written.
    QFile edited(settingsFile());
    ASSERT_TRUE(edited.open(QIODevice::WriteOnly | QIODevice::Truncate));
    edited.write("[DumpOutput]\nFile=/tmp/handwritten-dump-file.log\n");
    edited.close();
    EXPECT_EQ(readUserSetting(dumpOutput, file), "/tmp/handwritten-dump-file.log");
}

}  // namespace
}  // namespace ztk::platform

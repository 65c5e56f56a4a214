// Per-user settings land in the one shared file, where users and other programs find them.
#include <gtest/gtest.h>

#include <QFile>
#include <QTextStream>

#include "platform/usersettings.h"
#include "qtprinters.h"

namespace ztk::platform {
namespace {

QString settingsFile() {
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/ZTKMarqueeControl.conf");
}

QString fileText() {
    QFile file(settingsFile());
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

TEST(UserSettings, ValuesRoundTripThroughTheSharedFile) {
    EXPECT_EQ(readUserSetting(QStringLiteral("DumpOutput"), QStringLiteral("File")).toString(),
              QString());
    EXPECT_EQ(readUserSetting(QStringLiteral("Legendo"), QStringLiteral("File9"), 5).toInt(), 5);

    const QString dump = QStringLiteral("/var/tmp/sign dump.txt");
    ASSERT_TRUE(writeUserSetting(QStringLiteral("DumpOutput"), QStringLiteral("File"), dump));
    ASSERT_TRUE(writeUserSetting(QStringLiteral("Legendo"), QStringLiteral("File1"),
                                 QStringLiteral("/home/u/a.xml")));
    EXPECT_EQ(readUserSetting(QStringLiteral("DumpOutput"), QStringLiteral("File")).toString(),
              dump);
    const QString text = fileText();
    EXPECT_TRUE(text.contains(QStringLiteral("[DumpOutput]\nFile=") + dump)) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("[Legendo]\nFile1=/home/u/a.xml")));

    ASSERT_TRUE(removeUserSetting(QStringLiteral("DumpOutput"), QStringLiteral("File")));
    EXPECT_EQ(readUserSetting(QStringLiteral("DumpOutput"), QStringLiteral("File")).toString(),
              QString());
    EXPECT_EQ(readUserSetting(QStringLiteral("Legendo"), QStringLiteral("File1")).toString(),
              QStringLiteral("/home/u/a.xml"));
}

TEST(UserSettings, FileWrittenByHandIsRead) {
    QFile file(settingsFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QTextStream(&file) << "[DumpOutput]\nFile=/tmp/handwritten-dump-file.log\n";
    file.close();
    EXPECT_EQ(readUserSetting(QStringLiteral("DumpOutput"), QStringLiteral("File")).toString(),
              QStringLiteral("/tmp/handwritten-dump-file.log"));
}

}  // namespace
}  // namespace ztk::platform

// SPDX-License-Identifier: MIT
// One receiver per class, and the private folder the receivers live in.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>

#include <sys/stat.h>

#include "handoverrecorder.h"
#include "platform/handover.h"
#include "qtprinters.h"

namespace ztk::platform {
namespace {

using testing::HandoverRecorder;

TEST(HandoverInstance, SecondReceiverOfAClassIsRefusedUntilTheFirstIsGone) {
    const QString path = handoverSocketPath(QStringLiteral("simwin"));
    {
        HandoverServer first;
        ASSERT_TRUE(first.listen(QStringLiteral("simwin")));
        HandoverServer second;
        EXPECT_FALSE(second.listen(QStringLiteral("simwin")));
        EXPECT_TRUE(second.listen(QStringLiteral("simwin2")));
        EXPECT_TRUE(QFileInfo::exists(path));  // the refused one left it alone
    }
    EXPECT_FALSE(QFileInfo::exists(path));
    HandoverRecorder third(QStringLiteral("simwin"));
    EXPECT_TRUE(third.isListening());
}

TEST(HandoverInstance, StaleSocketIsReplacedButAForeignLiveOneIsNot) {
    // What a crashed receiver leaves: a file at the path that nobody accepts on.
    QFile stale(handoverSocketPath(QStringLiteral("crashed")));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    EXPECT_EQ(HandoverClient::find(QStringLiteral("crashed"), 500), nullptr);
    HandoverRecorder revived(QStringLiteral("crashed"));
    ASSERT_TRUE(revived.isListening());
    auto client = HandoverClient::find(QStringLiteral("crashed"));
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->sendCopyData(586, "back"), 1);

    // Something alive accepts on the path without holding the class: not ours to remove.
    QLocalServer foreign;
    ASSERT_TRUE(foreign.listen(handoverSocketPath(QStringLiteral("busy"))));
    EXPECT_FALSE(HandoverServer().listen(QStringLiteral("busy")));
    EXPECT_TRUE(QFileInfo::exists(foreign.fullServerName()));
}

TEST(HandoverInstance, FolderIsPrivateAndClassNamesStayInsideIt) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString dir = handoverDirectory();
    ASSERT_EQ(dir, QDir::cleanPath(runtime) + QStringLiteral("/orvexsim"));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(dir).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    // Names from a command line cannot point anywhere else, however long or odd.
    const QString longName(300, QLatin1Char('w'));
    for (const QString& name : {QStringLiteral("../../x"), QStringLiteral(".."), longName}) {
        const QString path = handoverSocketPath(name);
        EXPECT_EQ(QFileInfo(path).absolutePath(), dir) << name.toStdString();
        EXPECT_LT(QFile::encodeName(path).size(), 108) << name.toStdString();
    }
    EXPECT_NE(handoverSocketPath(longName), handoverSocketPath(longName + QLatin1Char('x')));
    HandoverRecorder odd(longName);
    ASSERT_TRUE(odd.isListening());
    EXPECT_NE(HandoverClient::find(longName), nullptr);

    // A folder others can enter is not used by either side, nor is a link in its place.
    ASSERT_EQ(::chmod(QFile::encodeName(dir).constData(), 0755), 0);
    EXPECT_EQ(HandoverClient::find(longName, 500), nullptr);
    EXPECT_FALSE(HandoverServer().listen(QStringLiteral("exposed")));
    ASSERT_EQ(::chmod(QFile::encodeName(dir).constData(), 0700), 0);
    const QString linked = runtime + QStringLiteral("/linked");
    ASSERT_TRUE(QDir().mkpath(linked));
    ASSERT_TRUE(QFile::link(dir, linked + QStringLiteral("/orvexsim")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(linked));
    EXPECT_TRUE(handoverDirectory().isEmpty());
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
}

}  // namespace
}  // namespace ztk::platform

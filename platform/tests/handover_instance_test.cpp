// One receiver per class, and the private folder the receivers live in.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

#include "handoverrecorder.h"
#include "platform/handover.h"
#include "qtprinters.h"
#include "rawsocket.h"

namespace ztk::platform {
namespace {

using testing::HandoverRecorder;

QString expectedDirectory() {
    return QDir::cleanPath(qEnvironmentVariable("XDG_RUNTIME_DIR")) + QStringLiteral("/orvexsim");
}

TEST(HandoverInstance, SecondReceiverOfAClassIsRefusedUntilTheFirstIsGone) {
    {
        HandoverServer first;
        ASSERT_TRUE(first.listen(QStringLiteral("simwin")));
        EXPECT_TRUE(first.isListening());
        EXPECT_FALSE(first.listen(QStringLiteral("another")));
        HandoverServer second;
        EXPECT_FALSE(second.listen(QStringLiteral("simwin")));
        EXPECT_FALSE(second.isListening());
        EXPECT_TRUE(second.listen(QStringLiteral("simwin2")));
        // The refused receiver left the first one's socket alone.
        EXPECT_TRUE(QFileInfo::exists(handoverSocketPath(QStringLiteral("simwin"))));
    }
    EXPECT_FALSE(QFileInfo::exists(handoverSocketPath(QStringLiteral("simwin"))));
    HandoverRecorder third(QStringLiteral("simwin"));
    ASSERT_TRUE(third.isListening());
    auto client = HandoverClient::find(QStringLiteral("simwin"));
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->sendCopyData(586, "to the third"), 1);
}

TEST(HandoverInstance, StaleSocketIsReplacedButAForeignLiveOneIsNot) {
    const QString stale = handoverSocketPath(QStringLiteral("crashed"));
    ASSERT_TRUE(test::leaveStaleSocket(stale));
    EXPECT_EQ(HandoverClient::find(QStringLiteral("crashed"), 500), nullptr);
    {
        HandoverRecorder revived(QStringLiteral("crashed"));
        ASSERT_TRUE(revived.isListening());
        auto client = HandoverClient::find(QStringLiteral("crashed"));
        ASSERT_NE(client, nullptr);
        EXPECT_EQ(client->sendCopyData(586, "back"), 1);
    }

    // Something alive that accepts on the path without holding the class: not ours to remove.
    const QString busy = handoverSocketPath(QStringLiteral("busy"));
    const int fd = test::listenWithoutAccepting(busy);
    ASSERT_GE(fd, 0);
    HandoverServer server;
    EXPECT_FALSE(server.listen(QStringLiteral("busy")));
    EXPECT_TRUE(QFileInfo::exists(busy));
    ::close(fd);
    ::unlink(QFile::encodeName(busy).constData());
}

TEST(HandoverInstance, FolderIsPrivateAndClassNamesStayInsideIt) {
    const QString dir = handoverDirectory();
    ASSERT_EQ(dir, expectedDirectory());
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(dir).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    // Names from a command line cannot point anywhere else, however long or odd.
    const QString longName(300, QLatin1Char('w'));
    for (const QString& name : {QStringLiteral("../../escape"), QStringLiteral("a/b"),
                                QStringLiteral(".."), QString(), longName}) {
        const QString path = handoverSocketPath(name);
        EXPECT_EQ(QFileInfo(path).absolutePath(), dir) << name.toStdString();
        EXPECT_LT(QFile::encodeName(path).size(), 108) << name.toStdString();
    }
    EXPECT_NE(handoverSocketPath(longName), handoverSocketPath(longName + QLatin1Char('x')));
    HandoverRecorder odd(longName);
    ASSERT_TRUE(odd.isListening());
    EXPECT_NE(HandoverClient::find(longName), nullptr);

    // A folder others can enter is not used, by either side.
    ASSERT_EQ(::chmod(QFile::encodeName(dir).constData(), 0755), 0);
    EXPECT_TRUE(handoverDirectory().isEmpty());
    EXPECT_EQ(HandoverClient::find(longName, 500), nullptr);
    HandoverServer exposed;
    EXPECT_FALSE(exposed.listen(QStringLiteral("exposed")));
    ASSERT_EQ(::chmod(QFile::encodeName(dir).constData(), 0700), 0);

    // Nor is a symbolic link standing where the folder should be.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString elsewhere = runtime + QStringLiteral("/elsewhere");
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    ::chmod(QFile::encodeName(elsewhere).constData(), 0700);
    const QString linked = runtime + QStringLiteral("/linked");
    ASSERT_TRUE(QDir().mkpath(linked));
    ASSERT_TRUE(QFile::link(elsewhere, linked + QStringLiteral("/orvexsim")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(linked));
    EXPECT_TRUE(handoverDirectory().isEmpty());
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    EXPECT_EQ(handoverDirectory(), dir);
}

}  // namespace
}  // namespace ztk::platform

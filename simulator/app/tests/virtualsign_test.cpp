// SPDX-License-Identifier: MIT
// The simulator as a virtual sign, in this process: TCP connections (bounded, each split
// into packets, the sign's address honoured, a gigabyte without an end cut at the bound)
// and the serial line of a pseudo-terminal (writers that come and go, the link's life).
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <thread>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "commandline.h"
#include "platform/eventwait.h"
#include "protocolsignwindow.h"
#include "ptysigninput.h"
#include "simapp_testsupport.h"
#include "simulatorapp.h"
#include "tcpsigninput.h"
#include "virtualsign.h"

namespace ztk::simapp {
namespace {

QByteArray framed(const QByteArray& command, const QByteArray& address = "00") {
    return "\x01\x01\x01\x01\x01\x01Z" + address + '\x02' + command + '\x04';
}

const QByteArray kTemplate =
    "AA\x1b b\x1c"
    "1<\x10 >";
const QByteArray kValue = "G 42";
const QByteArray kHello =
    "AA\x1b b\x1c"
    "2HELLO";

// A TCP connection to the sign on loopback, made with plain sockets so that a thread of its
// own can write without an event loop.
class Peer {
  public:
    explicit Peer(quint16 port) : fd_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(port);
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0;
    }
    ~Peer() { ::close(fd_); }
    bool connected() const { return connected_; }
    bool write(const QByteArray& bytes) const {
        qsizetype at = 0;
        while (at < bytes.size()) {
            const ssize_t n = ::send(fd_, bytes.constData() + at, bytes.size() - at, MSG_NOSIGNAL);
            if (n <= 0) return false;
            at += n;
        }
        return true;
    }
    quint16 localPort() const {
        sockaddr_in self{};
        socklen_t size = sizeof self;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&self), &size);
        return ntohs(self.sin_port);
    }
    // Whether the sign closed the connection (a read finds its end or a reset).
    bool closedBySign() const {
        char byte = 0;
        return ::recv(fd_, &byte, 1, 0) <= 0;
    }

  private:
    int fd_;
    bool connected_ = false;
};

class VirtualSignTest : public ::testing::Test {
  protected:
    void SetUp() override { QApplication::setQuitOnLastWindowClosed(false); }
    SimulatorApp::StartResult start(QStringList arguments) {
        app_ = std::make_unique<SimulatorApp>(folder_.settingsPath(), prompter_);
        arguments << "-class" << testing::uniqueClassName() << "-x"
                  << "48"
                  << "-y"
                  << "8"
                  << "-nolink";
        return app_->start(arguments);
    }
    ProtocolSignWindow& window() { return *app_->window(); }
    TcpSignInput& tcp() { return *app_->virtualSign()->tcp(); }
    bool shows(const std::vector<QByteArray>& packets) {
        const sim::LedBitmap expected = testing::ledsRendered(window().model(), packets, 10);
        return testing::waitForLeds(window().screenImage(), window().model(), window().zoom(),
                                    expected);
    }
    static bool waitFor(const std::function<bool()>& done) {
        return platform::waitUntil(done, 5, 20000);
    }

    testing::SettingsFolder folder_;
    testing::RecordingPrompter prompter_;
    std::unique_ptr<SimulatorApp> app_;
};

TEST_F(VirtualSignTest, TcpStreamsAreSplitIntoPacketsForThisSignsAddress) {
    ASSERT_EQ(start({"-listen", "0", "-address", "05"}), SimulatorApp::StartResult::Running);
    EXPECT_EQ(app_->where(),
              QStringList{QStringLiteral("listening on 127.0.0.1:%1").arg(tcp().port())});
    Peer peer(tcp().port());
    ASSERT_TRUE(peer.connected());
    ASSERT_TRUE(waitFor([&] { return tcp().receiverFor(peer.localPort()) != nullptr; }));
    const StreamReceiver& receiver = *tcp().receiverFor(peer.localPort());

    // Garbage before a frame, then two packets in one write: a template for this sign and
    // its string file by broadcast.
    ASSERT_TRUE(peer.write("\r\nnoise" + framed(kTemplate, "05") + framed(kValue, "00")));
    EXPECT_TRUE(shows({framed(kTemplate), framed(kValue)}));

    // A packet for another sign is passed over; one in three writes arrives whole.
    ASSERT_TRUE(peer.write(framed(kHello, "07")));
    ASSERT_TRUE(waitFor([&] { return receiver.passedOver() == 1; }));
    const QByteArray hello = framed(kHello, "05");
    ASSERT_TRUE(peer.write(hello.left(4)));
    ASSERT_TRUE(waitFor([&] { return receiver.buffered() == 4; }));
    ASSERT_TRUE(peer.write(hello.mid(4, 10)));
    ASSERT_TRUE(waitFor([&] { return receiver.buffered() == 14; }));
    ASSERT_TRUE(peer.write(hello.mid(14)));
    EXPECT_TRUE(shows({hello}));
    EXPECT_EQ(receiver.counts().packets, 4u);
    EXPECT_EQ(receiver.counts().skippedBytes, 7u);
}

TEST_F(VirtualSignTest, ConnectionsAreBoundedAndAGigabyteWithoutAnEndIsCutAtTheBound) {
    ASSERT_EQ(start({"-listen", "127.0.0.1:0"}), SimulatorApp::StartResult::Running);
    // Peers that connect and say nothing take every place; the next one is closed at once.
    std::vector<std::unique_ptr<Peer>> silent;
    for (int i = 0; i < TcpSignInput::kMaxConnections; ++i)
        silent.push_back(std::make_unique<Peer>(tcp().port()));
    ASSERT_TRUE(waitFor([&] { return tcp().connectionCount() == TcpSignInput::kMaxConnections; }));
    Peer refused(tcp().port());
    ASSERT_TRUE(waitFor([&] { return tcp().refusedCount() == 1; }));
    EXPECT_TRUE(refused.closedBySign());
    EXPECT_EQ(tcp().connectionCount(), TcpSignInput::kMaxConnections);
    silent.pop_back();
    ASSERT_TRUE(
        waitFor([&] { return tcp().connectionCount() == TcpSignInput::kMaxConnections - 1; }));

    // 1 GiB of text after a frame header, streamed from another thread in pieces of 1 MiB,
    // then the end and a packet: the sign holds at most its bound, drops the long frame and
    // shows the packet after it.
    Peer flood(tcp().port());
    ASSERT_TRUE(flood.connected());
    std::atomic<bool> written = false;
    std::thread writer([&] {
        const QByteArray piece(1 << 20, 'x');
        bool ok = flood.write(
            "\x01\x01\x01\x01\x01\x01Z00\x02"
            "AA");
        for (int i = 0; ok && i < 1024; ++i)
            ok = flood.write(piece);
        ok = ok && flood.write("\x04" + framed(kHello));
        written = ok;
    });
    std::size_t largest = 0;
    const bool shown = platform::waitUntil(
        [&] {
            if (const StreamReceiver* r = tcp().receiverFor(flood.localPort()))
                largest = std::max(largest, r->buffered());
            return written.load();
        },
        1, 120000);
    writer.join();
    ASSERT_TRUE(shown);
    EXPECT_TRUE(shows({framed(kHello)}));
    const StreamReceiver* receiver = tcp().receiverFor(flood.localPort());
    ASSERT_NE(receiver, nullptr);  // the connection is kept
    EXPECT_EQ(receiver->counts().tooLong, 1u);
    EXPECT_EQ(receiver->counts().packets, 1u);
    EXPECT_LE(largest, kMaxStreamPacketBytes);
    EXPECT_TRUE(window().engineRunning());
}

TEST_F(VirtualSignTest, TheSerialLineTakesWritersThatComeAndGoAndItsLinkGoesAtTheEnd) {
    const QString link = folder_.path() + "/ttySign";
    ASSERT_EQ(start({"-pty", link}), SimulatorApp::StartResult::Running);
    EXPECT_EQ(app_->where(), QStringList{"serial line at " + link});
    const QString device = app_->virtualSign()->pty()->devicePath();
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), device);

    const auto writeOnce = [&](const QByteArray& bytes) {
        const int fd = ::open(QFile::encodeName(link).constData(), O_WRONLY | O_NOCTTY);
        if (fd < 0) return false;
        const bool ok = ::write(fd, bytes.constData(), bytes.size()) == bytes.size();
        ::close(fd);
        return ok;
    };
    // Line feeds arrive as they were sent: the line is raw.
    const QByteArray first = framed(
        "AA\x1b b\x1c"
        "1ON\nE");
    ASSERT_TRUE(writeOnce(first));
    EXPECT_TRUE(shows({first}));
    // A writer that stops in the middle of a frame, then another one: the line still reads,
    // and the unfinished frame does not spoil the next packet.
    ASSERT_TRUE(
        writeOnce("\x01\x01\x01\x01Z00\x02"
                  "AAhalf"));
    ASSERT_TRUE(writeOnce(framed(kHello)));
    EXPECT_TRUE(shows({framed(kHello)}));
    EXPECT_EQ(app_->virtualSign()->pty()->receiver().counts().cutShort, 1u);

    app_.reset();
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(link));
}

TEST_F(VirtualSignTest, TheSerialLinkNeverReplacesAUsersFileButALeftOverLink) {
    const QString path = folder_.path() + "/mine";
    QFile mine(path);
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write("keep me");
    mine.close();
    EXPECT_EQ(start({"-pty", path}), SimulatorApp::StartResult::InputFailed);
    EXPECT_EQ(app_->error(),
              "cannot make the serial line at " + path + ": a file of that name exists");
    ASSERT_TRUE(mine.open(QIODevice::ReadOnly));
    EXPECT_EQ(mine.readAll(), "keep me");
    mine.close();

    // A link into the terminal devices left by an earlier run is replaced.
    const QString left = folder_.path() + "/left";
    ASSERT_TRUE(QFile::link("/dev/pts/999999", left));
    ASSERT_EQ(start({"-pty", left}), SimulatorApp::StartResult::Running);
    EXPECT_EQ(QFileInfo(left).symLinkTarget(), app_->virtualSign()->pty()->devicePath());

    // Flags without a usable value are refused before anything is opened.
    EXPECT_EQ(start({"-listen", "99999"}), SimulatorApp::StartResult::BadArguments);
    QString error;
    EXPECT_FALSE(inputOptions(CommandLine::parse({"-pty"}), error));
    EXPECT_EQ(error, "-pty needs the path of the link to make, such as /tmp/ttySign");
    EXPECT_EQ(start({"-address", "1G"}), SimulatorApp::StartResult::BadArguments);
    EXPECT_EQ(app_->error(), "-address \"1G\": a sign address is 00 to FF");
}

TEST(ListenAddressTest, APortAloneListensOnLoopbackOnly) {
    QString error;
    const auto bare = ListenAddress::parse("23001", error);
    ASSERT_TRUE(bare);
    EXPECT_EQ(ListenAddress::text(bare->address, bare->port), "127.0.0.1:23001");
    const auto all = ListenAddress::parse("0.0.0.0:80", error);
    ASSERT_TRUE(all);
    EXPECT_EQ(ListenAddress::text(all->address, all->port), "0.0.0.0:80");
    const auto six = ListenAddress::parse("[::1]:7", error);
    ASSERT_TRUE(six);
    EXPECT_EQ(ListenAddress::text(six->address, six->port), "[::1]:7");
    EXPECT_TRUE(ListenAddress::parse("localhost:1", error));
    for (const char* bad : {"", "65536", "x", "host:5", "::1:5", "[1.2.3.4]:5", "5:"})
        EXPECT_FALSE(ListenAddress::parse(bad, error)) << bad;
}

}  // namespace
}  // namespace ztk::simapp

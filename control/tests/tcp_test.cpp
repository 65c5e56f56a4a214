// SPDX-License-Identifier: MIT
// TCP/IP mode against a recording peer on loopback.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTimer>

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <memory>
#include <vector>

#include "ZTKMarqueeControl/marquee.h"
#include "front/marqueecontext.h"
#include "platform/eventwait.h"
#include "support/controltesting.h"
#include "support/tcprecorder.h"

namespace ztk {
namespace {

// Binds `fd` to a loopback port below 32768 (NetworkPort is a signed 16-bit value) and
// listens with `backlog`; the port, or 0.
qint16 listenOnLowPort(int fd, int backlog) {
    for (int port = 31000; port < 32000; ++port) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
            return ::listen(fd, backlog) == 0 ? static_cast<qint16>(port) : 0;
        }
    }
    return 0;
}

// A peer that accepts connections in the kernel but never reads: what is sent to it stops
// once the buffers on the way are full.
class StalledPeer {
  public:
    StalledPeer() {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        const int small = 4096;
        ::setsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
        port_ = listenOnLowPort(fd_, 4);
    }
    ~StalledPeer() { ::close(fd_); }
    qint16 port() const { return port_; }

  private:
    int fd_ = -1;
    qint16 port_ = 0;
};

// A peer whose accept queue is full and never emptied: a further connect to it neither
// completes nor fails, as with a sign that has hung.
class FullBacklogPeer {
  public:
    FullBacklogPeer() {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        const qint16 port = listenOnLowPort(listener_, 0);
        if (port == 0) return;
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        // Connect until one attempt stays pending: from then on the queue is full.
        bool full = false;
        for (int i = 0; i < 16 && !full; ++i) {
            const int client = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            clients_.push_back(client);
            ::connect(client, reinterpret_cast<sockaddr*>(&address), sizeof address);
            pollfd wait{client, POLLOUT, 0};
            full = ::poll(&wait, 1, 200) == 0;
        }
        if (full) port_ = port;
    }
    ~FullBacklogPeer() {
        for (const int client : clients_)
            ::close(client);
        ::close(listener_);
    }
    // 0 when the queue could not be filled.
    qint16 port() const { return port_; }

  private:
    int listener_ = -1;
    std::vector<int> clients_;
    qint16 port_ = 0;
};

// Fires when a call has waited far beyond the bound it was given.
class Watchdog {
  public:
    explicit Watchdog(int milliseconds) {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this] { fired_ = true; });
        timer_.start(milliseconds);
    }
    bool fired() const { return fired_; }

  private:
    QTimer timer_;
    bool fired_ = false;
};

class TcpMode : public test::ControlTest {
  protected:
    void point(Marquee& m, qint16 port) {
        m.setMarqueeConnectMode(1);
        m.setNetworkAddress("127.0.0.1");
        m.setNetworkPort(port);
        m.setMarqueeLogFile(path("log.txt"));
    }
    void point(Marquee& m, const test::TcpRecorder& peer) { point(m, peer.port()); }
    QStringList log() const { return lines(path("log.txt")); }
    test::TcpRecorder peer;
};

TEST_F(TcpMode, InitializeSendsBlankLayoutAndRunSequenceThenPausesTwoSecondsIdle) {
    ASSERT_GT(peer.port(), 0);
    Marquee m;
    point(m, peer);
    const auto wallStart = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    ASSERT_TRUE(m.Initialize());
    const double cpuMs = 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const auto wallMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now() - wallStart)
                            .count();
    RecordProperty("initialize_wall_ms", static_cast<int>(wallMs));
    RecordProperty("initialize_cpu_ms", static_cast<int>(cpuMs));
    EXPECT_GE(wallMs, 2000);

    ASSERT_TRUE(peer.waitForBytes(test::initializePackets().size()));
    EXPECT_EQ(peer.bytes(), test::initializePackets());
    EXPECT_EQ(m.GetSocketState(), "Connected [7]");
    EXPECT_TRUE(log().isEmpty());
}

TEST_F(TcpMode, LostPeerFailsUntilResetCommunicationReconnects) {
    ScopedPauseOverride noPause(0);
    Marquee m;
    point(m, peer);
    ASSERT_TRUE(m.Initialize());
    ASSERT_TRUE(peer.waitForBytes(test::initializePackets().size()));

    peer.dropConnections();
    ASSERT_TRUE(
        platform::waitUntil([&] { return m.GetSocketState() != "Connected [7]"; }, 20, 5000));
    EXPECT_FALSE(m.Reset());
    ASSERT_EQ(log().size(), 1);
    EXPECT_TRUE(log()[0].endsWith(
        "  -->  Error: -2147221504, ZTKMarqueeControl[SendToMarquee]; Attempt to use socket "
        "connection when not connected.  STATE=Closed [0]\""));

    ASSERT_TRUE(m.ResetCommunication());
    EXPECT_EQ(m.GetSocketState(), "Connected [7]");
    ASSERT_TRUE(m.Reset());
    ASSERT_TRUE(peer.waitForBytes(test::initializePackets().size() + 12));
    EXPECT_EQ(peer.bytesOf(1), test::packet("E,"));
}

TEST_F(TcpMode, RefusedConnectionLogsTheSocketErrorThenTheFailure) {
    ScopedPauseOverride noPause(0);
    Marquee m;
    point(m, peer);
    peer.stopListening();
    EXPECT_FALSE(m.Initialize());
    ASSERT_EQ(log().size(), 2);
    EXPECT_TRUE(log()[0].contains(
        QRegularExpression(R"(  -->  SOCKET Error: 10061, wskLAN; .+\.  STATE=Error \[9\]"$)")))
        << log()[0].toStdString();
    EXPECT_TRUE(
        log()[1].endsWith("Error: -2147221504, ZTKMarqueeControl[Initialize]; Socket error.\""));
    EXPECT_EQ(m.GetSocketState(), "Error [9]");

    // ResetCommunication reports its own failure with the state; the control stays usable.
    EXPECT_FALSE(m.ResetCommunication());
    EXPECT_TRUE(log().last().endsWith(
        "[ResetCommunication]; Socket Connect attempt failed.  STATE=Error [9]\""));
    EXPECT_FALSE(contextOf(m).state.inResetCommunication);
    EXPECT_FALSE(contextOf(m).state.initialized);
    m.setNetworkPort(1);  // still unlocked: the Initialize failed
}

TEST_F(TcpMode, InitializeCalledDuringItsOwnWaitIsRefusedAndTheFirstCompletes) {
    ScopedPauseOverride shortPause(200);
    Marquee m;
    point(m, peer);
    bool nested = true;
    QTimer::singleShot(50, [&] { nested = m.Initialize(); });
    ASSERT_TRUE(m.Initialize());
    EXPECT_FALSE(nested);
    ASSERT_EQ(log().size(), 1);
    EXPECT_TRUE(log()[0].endsWith(
        "Error: -2147221504, ZTKMarqueeControl[Initialize]; Re-entrant call to initialize.\""));
    EXPECT_FALSE(contextOf(m).state.inInitialize);
    EXPECT_TRUE(m.Initialize());  // a later call runs again (it is already connected)
}

TEST_F(TcpMode, PerPacketModeConnectsAndClosesAroundEachPacket) {
    ScopedPauseOverride noPause(0);
    Marquee m;
    point(m, peer);
    contextOf(m).tcp.setPerPacketPollMs(20);
    ASSERT_TRUE(m.InitializeAdv(0, true));
    ASSERT_TRUE(m.Reset());
    ASSERT_TRUE(peer.waitForClosed(4));
    ASSERT_EQ(peer.connectionCount(), 4);
    const QByteArray all = test::initializePackets() + test::packet("E,");
    EXPECT_EQ(peer.bytes(), all);
    EXPECT_EQ(peer.bytesOf(3), test::packet("E,"));
    EXPECT_EQ(m.GetSocketState(), "Closed [0]");
    EXPECT_TRUE(log().isEmpty());
}

TEST_F(TcpMode, PerPacketSendsHandTheWholePacketOverOrFailBeforeClosing) {
    ScopedPauseOverride noPause(0);
    // Far more than the operating system takes at once: the rest waits in the socket.
    const QString text(8'000'000, u'x');
    Marquee m;
    point(m, peer);
    contextOf(m).tcp.setPerPacketPollMs(20);
    ASSERT_TRUE(m.InitializeAdv(0, true));
    ASSERT_TRUE(m.QuickDisplay(text));
    ASSERT_TRUE(peer.waitForClosed(4, 20000));
    EXPECT_EQ(peer.bytesOf(3).size(), text.size() + 20);

    // A peer that takes nothing: the packet cannot leave, which is a failure, not a success.
    StalledPeer stalled;
    ASSERT_GT(stalled.port(), 0);
    Marquee blocked;
    point(blocked, stalled.port());
    contextOf(blocked).tcp.setPerPacketPollMs(20);
    contextOf(blocked).tcp.setHandOverLimitMs(300);
    ASSERT_TRUE(blocked.InitializeAdv(0, true));
    EXPECT_FALSE(blocked.QuickDisplay(text));
    EXPECT_TRUE(log().last().contains(QRegularExpression(
        R"(ZTKMarqueeControl\[SendToMarquee\]; \d+ of 8000020 bytes could not be sent before )"
        R"(the connection was closed\.)")))
        << log().last().toStdString();
    EXPECT_EQ(blocked.GetSocketState(), "Closed [0]");
}

TEST_F(TcpMode, AConnectThatNeverCompletesTimesOutAsASocketErrorWithinItsBound) {
    ScopedPauseOverride noPause(0);
    FullBacklogPeer stuck;
    ASSERT_GT(stuck.port(), 0);
    Marquee m;
    point(m, stuck.port());
    contextOf(m).tcp.setConnectLimitMs(300);
    const QString timedOut =
        "  -->  SOCKET Error: 10060, wskLAN; Connection timed out.  STATE=Error [9]\"";
    {
        const Watchdog watchdog(10000);
        EXPECT_FALSE(m.Initialize());
        EXPECT_FALSE(m.ResetCommunication());
        EXPECT_FALSE(watchdog.fired()) << "the connects waited past their bound";
    }
    ASSERT_EQ(log().size(), 4);
    EXPECT_TRUE(log()[0].endsWith(timedOut)) << log()[0].toStdString();
    EXPECT_TRUE(log()[1].endsWith("[Initialize]; Socket error.\""));
    EXPECT_TRUE(log()[2].endsWith(timedOut));
    EXPECT_TRUE(log()[3].endsWith(
        "[ResetCommunication]; Socket Connect attempt failed.  STATE=Error [9]\""));

    // Per packet, on a new control: the packet's own connect and the reconnect it tries
    // both time out.
    QFile::remove(path("log.txt"));
    Marquee each;
    point(each, stuck.port());
    contextOf(each).state.logEnabled = true;
    TcpTransport& tcp = contextOf(each).tcp;
    tcp.setConnectLimitMs(300);
    tcp.setOpenClosePerSend(true);
    tcp.setPerPacketPollMs(20);
    {
        const Watchdog watchdog(10000);
        EXPECT_FALSE(each.Reset());
        EXPECT_FALSE(watchdog.fired()) << "the connects waited past their bound";
    }
    ASSERT_EQ(log().size(), 4);
    EXPECT_TRUE(log()[0].endsWith(timedOut));
    EXPECT_TRUE(log()[1].endsWith(timedOut)) << log()[1].toStdString();
    EXPECT_TRUE(log()[2].endsWith(
        "[ResetCommunication]; Socket Connect attempt failed.  STATE=Error [9]\""));
    EXPECT_TRUE(log()[3].endsWith("ZTKMarqueeControl[SendToMarquee]; Socket error.\""));
}

TEST_F(TcpMode, ALastingConnectionToAStuckSignHoldsABoundedQueueAndCountsWhatIsLost) {
    ScopedPauseOverride noPause(0);
    StalledPeer stalled;
    ASSERT_GT(stalled.port(), 0);
    auto m = std::make_unique<Marquee>();
    point(*m, stalled.port());
    TcpTransport& tcp = contextOf(*m).tcp;
    tcp.setHandOverLimitMs(200);
    ASSERT_TRUE(m->Initialize());

    // Each packet is a little under the 1 MiB the socket may hold unsent.
    const QString text(1'000'000, u'x');
    int failed = 0;
    for (int i = 0; i < 40 && failed == 0; ++i) {
        const qint64 before = tcp.unsentBytes();
        if (!m->QuickDisplay(text)) {
            ++failed;
            EXPECT_EQ(tcp.unsentBytes(), before) << "a refused packet is not queued in part";
        }
        ASSERT_LE(tcp.unsentBytes(), 1 << 20);
    }
    ASSERT_EQ(failed, 1) << "the unsent bytes grew without bound";
    EXPECT_TRUE(log().last().contains(
        QRegularExpression(R"(\[SendToMarquee\]; 1000020 bytes could not be sent: the sign has )"
                           R"(not taken the \d+ bytes queued before them\.)")))
        << log().last().toStdString();

    m.reset();
    EXPECT_TRUE(log().last().contains(QRegularExpression(
        R"(  -->  \d+ bytes that the sign had not taken were dropped as the connection closed\.)")))
        << log().last().toStdString();
}

TEST_F(TcpMode, DestroyedByAHostEventDuringItsPauseTheCallEndsThenTheControl) {
    ScopedPauseOverride shortPause(300);
    auto m = std::make_unique<Marquee>();
    point(*m, peer);
    QTimer::singleShot(100, [&] { m.reset(); });
    EXPECT_TRUE(m->Initialize());
    EXPECT_FALSE(m);
    // The connection that the call still used is closed once the call has returned.
    ASSERT_TRUE(peer.waitForClosed(1));
    EXPECT_EQ(peer.bytes(), test::initializePackets());
    EXPECT_TRUE(log().isEmpty());
}

}  // namespace
}  // namespace ztk

// SPDX-License-Identifier: MIT
#pragma once
// Hand-over of packets from the control to the simulator over a per-user local socket.
//
// A receiver "registers a window class" by listening on a Unix-domain socket named after
// the class inside a private per-user folder (mode 0700): $XDG_RUNTIME_DIR/orvexsim/, or
// /tmp/orvexsim-<uid>/ when XDG_RUNTIME_DIR is not set. "Finding the window" is connecting
// to that socket. Each message is one framed record answered by the receiver's result.
//
// Record on the wire (all integers little-endian):
//   u32 message   74 = copy-data, 16 = close, 0x8001 = activate (bring to front)
//   u64 kind      the copy-data number (586, 842, 330, ...); 0 for the others
//   u32 length    number of data bytes that follow
//   data          `length` bytes
// Answer: i64 result. A record whose length exceeds kMaxRecordBytes is refused: the
// receiver answers kRefused and drops the connection without reading the data. A record
// with an unknown message number is read and answered with kRefused.
//
// Read-back (kind kReadBackKind = 9000, our own; the control never sends it): a copy-data
// record whose data names what to read back ("leds" or "png" for the simulator's screen).
// The answer's result n is followed by n bytes of reply when n > 0; 0 means the receiver
// reads nothing back (it has no read-back handler, or does not know the request), and no
// bytes follow. Read-back records never reach the copy-data handler. A reply is never longer
// than kMaxRecordBytes.
//
// The client waits synchronously for the answer, so the receiver must run on another
// thread or in another process.

#include <QByteArray>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QLocalServer;
class QLocalSocket;

namespace ztk::platform {

class InstanceLock;
class RecordReader;

inline constexpr std::uint32_t kCopyDataMessage = 74;
inline constexpr std::uint32_t kCloseMessage = 16;
inline constexpr std::uint32_t kActivateMessage = 0x8001;
inline constexpr std::uint32_t kMaxRecordBytes = 16u * 1024u * 1024u;
inline constexpr std::uint64_t kReadBackKind = 9000;
inline constexpr std::int64_t kRefused = -1;

// The private per-user folder that holds the receivers' sockets (created with mode 0700).
// Empty when it cannot be created or is not a directory owned by this user with no access
// for group or others: such a folder is never used.
QString handoverDirectory();
// Why handoverDirectory() is empty, as a phrase naming the folder and what is wrong with it
// (it cannot be created, it is no folder, another user owns it, others may enter it); empty
// when the folder can be used.
QString handoverDirectoryProblem();
// The socket path that stands for the window class `className` (any text; characters that
// are unsafe in a file name are encoded). Empty when handoverDirectory() is empty.
QString handoverSocketPath(const QString& className);

// The sending half, used by the control. Every call is synchronous with a bounded wait.
class HandoverClient {
  public:
    // Connects to the receiver of `className`; nullptr when no receiver listens.
    static std::unique_ptr<HandoverClient> find(const QString& className, int timeoutMs = 2000);
    ~HandoverClient();

    // Sends one copy-data record and returns the receiver's result, or nothing when the
    // receiver vanished, refused the record (or `data` exceeds kMaxRecordBytes) or did not
    // answer within `timeoutMs`. After a failure every further call returns nothing: a late
    // answer could otherwise be taken for the answer to a later record.
    std::optional<std::int64_t> sendCopyData(std::uint64_t kind, const QByteArray& data,
                                             int timeoutMs = 5000);
    // Asks the receiver to close its window; true when it answered.
    bool sendClose(int timeoutMs = 5000);
    // Asks the receiver to bring its window forward; true when it answered.
    bool sendActivate(int timeoutMs = 5000);
    // Sends a read-back record asking for `request` and returns the reply: empty when the
    // receiver reads nothing back; nothing when it vanished, refused or did not answer in
    // time (the client is then spent, as after any failure).
    std::optional<QByteArray> requestReadBack(const QByteArray& request, int timeoutMs = 10000);

  private:
    explicit HandoverClient(std::unique_ptr<QLocalSocket> socket);
    std::optional<std::int64_t> roundTrip(std::uint32_t message, std::uint64_t kind,
                                          const QByteArray& data, int timeoutMs,
                                          QByteArray* reply = nullptr);
    std::unique_ptr<QLocalSocket> socket_;
    bool broken_ = false;
};

// The receiving half, used by the simulator. Records are handed to the callbacks on the
// thread that runs the server's event loop, one at a time, in arrival order.
class HandoverServer : public QObject {
    Q_OBJECT
  public:
    // Returns the result answered to the sender; kRefused reads as a refusal there.
    using CopyDataHandler = std::function<std::int64_t(std::uint64_t kind, const QByteArray& data)>;
    // Returns the reply to a read-back request; empty when there is nothing to read back.
    using ReadBackHandler = std::function<QByteArray(const QByteArray& request)>;

    explicit HandoverServer(QObject* parent = nullptr);
    ~HandoverServer() override;

    // Without a handler copy-data records are answered with 0.
    void setCopyDataHandler(CopyDataHandler handler);
    // Without a handler read-back records are answered with 0 (nothing to read back).
    void setReadBackHandler(ReadBackHandler handler);

    // Starts listening under `className`. Returns false when another live receiver already
    // listens under that class (single instance), this server already listens, or the
    // socket cannot be created; a stale socket file left by a dead receiver is removed first.
    bool listen(const QString& className);
    bool isListening() const;
    QString className() const;

  signals:
    // A close record arrived (answered with 1 before the signal is emitted).
    void closeRequested();
    // An activate record arrived (answered with 1).
    void activateRequested();

  private:
    void onNewConnection();
    void serve(QLocalSocket* socket, std::shared_ptr<RecordReader> reader);

    std::unique_ptr<InstanceLock> lock_;
    std::unique_ptr<QLocalServer> server_;
    CopyDataHandler handler_;
    ReadBackHandler readBackHandler_;
    QString className_;
};

}  // namespace ztk::platform

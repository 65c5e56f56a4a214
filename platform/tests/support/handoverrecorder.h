// SPDX-License-Identifier: MIT
#pragma once
// HandoverRecorder plays the simulator's receiving side in tests: it runs a HandoverServer
// under a window class on its own thread and records everything that arrives.
//
//   ztk::platform::testing::HandoverRecorder sim("simwin");
//   ASSERT_TRUE(sim.isListening());
//   ... code under test sends packets (HandoverClient::find("simwin") ...) ...
//   ASSERT_TRUE(sim.waitForRecords(3, 5000));
//   EXPECT_EQ(sim.records()[0].kind, 586u);
//
// Every member may be called from any thread. Records keep arrival order; close and
// activate records are recorded too (with kind 0 and no bytes) and answered with 1. A
// copy-data record is recorded before its sender gets the answer; a close or activate
// record only just after, so wait for those with waitForRecords() before looking.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace ztk::platform::testing {

class HandoverServerThread;

class HandoverRecorder {
  public:
    struct Record {
        std::uint32_t message = 0;  // kCopyDataMessage, kCloseMessage or kActivateMessage
        std::uint64_t kind = 0;     // the copy-data kind; 0 for the others
        QByteArray bytes;           // the record's data exactly as sent
    };

    // Starts the thread and listens under `className`; see isListening().
    explicit HandoverRecorder(const QString& className);
    // Stops listening (the class is free again once this returns) and ends the thread.
    ~HandoverRecorder();

    HandoverRecorder(const HandoverRecorder&) = delete;
    HandoverRecorder& operator=(const HandoverRecorder&) = delete;

    // False when the class was taken by a live receiver or the socket could not be made.
    bool isListening() const;

    // The result answered to copy-data records from now on (default 1).
    void setResult(std::int64_t result);
    // Makes the receiver hold each copy-data record this long before answering, to play a
    // hung simulator (default 0). The destructor waits for a held record to finish.
    void setAnswerDelay(int milliseconds);

    // A copy of everything recorded so far, in arrival order.
    std::vector<Record> records() const;
    std::size_t count() const;
    void clear();

    // Waits until at least `count` records have arrived or `timeoutMs` passed, keeping the
    // calling thread's event loop running meanwhile. True when they arrived.
    bool waitForRecords(std::size_t count, int timeoutMs);

  private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
    std::unique_ptr<HandoverServerThread> thread_;
};

}  // namespace ztk::platform::testing

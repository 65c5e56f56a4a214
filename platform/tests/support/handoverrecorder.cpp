// SPDX-License-Identifier: MIT
#include "handoverrecorder.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

#include "handoverserverthread.h"
#include "platform/eventwait.h"
#include "platform/handover.h"

namespace ztk::platform::testing {

// State shared between the test's thread and the receiver's thread.
struct HandoverRecorder::Shared {
    mutable std::mutex mutex;
    std::vector<Record> records;
    std::atomic<std::int64_t> result{1};
    std::atomic<int> delayMs{0};
    std::atomic<bool> listening{false};

    void add(Record record) {
        const std::lock_guard lock(mutex);
        records.push_back(std::move(record));
    }
};

HandoverRecorder::HandoverRecorder(const QString& className) : shared_(std::make_shared<Shared>()) {
    const std::shared_ptr<Shared> shared = shared_;
    thread_ = std::make_unique<HandoverServerThread>([shared, className](
                                                         std::unique_ptr<HandoverServer>& server) {
        server->setCopyDataHandler([shared](std::uint64_t kind, const QByteArray& data) {
            const int delay = shared->delayMs.load();
            if (delay > 0) std::this_thread::sleep_for(std::chrono::milliseconds(delay));
            shared->add({kCopyDataMessage, kind, data});
            return shared->result.load();
        });
        QObject::connect(server.get(), &HandoverServer::closeRequested, server.get(), [shared] {
            shared->add({kCloseMessage, 0, {}});
        });
        QObject::connect(server.get(), &HandoverServer::activateRequested, server.get(), [shared] {
            shared->add({kActivateMessage, 0, {}});
        });
        shared->listening = server->listen(className);
    });
}

HandoverRecorder::~HandoverRecorder() = default;

bool HandoverRecorder::isListening() const {
    return shared_->listening;
}

void HandoverRecorder::setResult(std::int64_t result) {
    shared_->result = result;
}

void HandoverRecorder::setAnswerDelay(int milliseconds) {
    shared_->delayMs = milliseconds;
}

std::vector<HandoverRecorder::Record> HandoverRecorder::records() const {
    const std::lock_guard lock(shared_->mutex);
    return shared_->records;
}

std::size_t HandoverRecorder::count() const {
    const std::lock_guard lock(shared_->mutex);
    return shared_->records.size();
}

void HandoverRecorder::clear() {
    const std::lock_guard lock(shared_->mutex);
    shared_->records.clear();
}

bool HandoverRecorder::waitForRecords(std::size_t count, int timeoutMs) {
    return waitUntil([this, count] { return this->count() >= count; }, 10, timeoutMs);
}

}  // namespace ztk::platform::testing

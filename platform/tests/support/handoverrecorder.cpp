#include "handoverrecorder.h"

#include <QThread>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

#include "platform/eventwait.h"
#include "platform/handover.h"

namespace ztk::platform::testing {

// State shared between the test thread and the receiver thread.
struct HandoverRecorder::Shared {
    mutable std::mutex mutex;
    std::vector<Record> records;
    std::atomic<std::int64_t> result{1};
    std::atomic<int> delayMs{0};

    void add(Record record) {
        const std::lock_guard lock(mutex);
        records.push_back(std::move(record));
    }
};

// Owns the thread and the server that lives on it.
class HandoverRecorder::Worker {
  public:
    Worker(const QString& className, std::shared_ptr<Shared> shared) {
        anchor_.moveToThread(&thread_);
        thread_.start();
        onThread([&] {
            server_ = std::make_unique<HandoverServer>();
            server_->setCopyDataHandler([shared](std::uint64_t kind, const QByteArray& data) {
                const int delay = shared->delayMs.load();
                if (delay > 0) std::this_thread::sleep_for(std::chrono::milliseconds(delay));
                shared->add({kCopyDataMessage, kind, data});
                return shared->result.load();
            });
            QObject::connect(server_.get(), &HandoverServer::closeRequested, server_.get(),
                             [shared] {
                                 shared->add({kCloseMessage, 0, {}});
                             });
            QObject::connect(server_.get(), &HandoverServer::activateRequested, server_.get(),
                             [shared] {
                                 shared->add({kActivateMessage, 0, {}});
                             });
            listening_ = server_->listen(className);
        });
    }

    ~Worker() {
        onThread([&] { server_.reset(); });
        thread_.quit();
        thread_.wait();
    }

    bool listening() const { return listening_; }

  private:
    template <typename F>
    void onThread(F&& f) {
        QMetaObject::invokeMethod(&anchor_, std::forward<F>(f), Qt::BlockingQueuedConnection);
    }

    QThread thread_;
    QObject anchor_;
    std::unique_ptr<HandoverServer> server_;
    bool listening_ = false;
};

HandoverRecorder::HandoverRecorder(const QString& className)
    : shared_(std::make_shared<Shared>()), worker_(std::make_unique<Worker>(className, shared_)) {}

HandoverRecorder::~HandoverRecorder() = default;

bool HandoverRecorder::isListening() const {
    return worker_->listening();
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

// SPDX-License-Identifier: MIT
#include "simapp_testsupport.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <future>
#include <map>
#include <thread>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/eventwait.h"
#include "platform/handover.h"
#include "readback.h"
#include "screenimage.h"
#include "simcore/displayengine.h"
#include "simcore/interpreter.h"

namespace ztk::simapp::testing {
namespace {

class DiscardingSink final : public sim::PresentSink {
  public:
    void present(const sim::ScreenView&, const sim::PixelRect&) override {}
};

// Runs `work` on a thread of its own while this thread's event loop runs.
template <typename Result, typename Work>
Result onOtherThread(Work work) {
    std::packaged_task<Result()> task(std::move(work));
    std::future<Result> result = task.get_future();
    std::thread thread(std::move(task));
    platform::waitUntil(
        [&] { return result.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 5);
    thread.join();
    return result.get();
}

}  // namespace

void SettingsFolder::write(const QByteArray& text) const {
    QFile file(settingsPath());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(text);
}

QString uniqueClassName() {
    static QAtomicInt counter;
    return QStringLiteral("simapp-test-%1").arg(counter.fetchAndAddRelaxed(1));
}

std::optional<std::int64_t> sendCopyData(const QString& className, std::uint64_t kind,
                                         const QByteArray& data) {
    return onOtherThread<std::optional<std::int64_t>>(
        [className, kind, data]() -> std::optional<std::int64_t> {
            const auto client = platform::HandoverClient::find(className);
            if (!client) return std::nullopt;
            return client->sendCopyData(kind, data);
        });
}

bool sendClose(const QString& className) {
    return onOtherThread<bool>([className] {
        const auto client = platform::HandoverClient::find(className);
        return client && client->sendClose();
    });
}

QByteArray packet(const std::string& command) {
    return QByteArray("\x01\x01\x01\x01\x01\x01Z00\x02") +
           QByteArray(command.data(), static_cast<qsizetype>(command.size())) + '\x04';
}

sim::LedBitmap ledsRendered(const sim::DisplayModel& model, const std::vector<QByteArray>& packets,
                            int steps) {
    sim::PacketInterpreter interpreter(model);
    for (const QByteArray& p : packets) {
        const std::span bytes(reinterpret_cast<const std::uint8_t*>(p.constData()),
                              static_cast<std::size_t>(p.size()));
        if (p.contains("\x02G"))
            interpreter.interpretStringPacket(bytes);
        else
            interpreter.newMessage(bytes);
    }
    DiscardingSink sink;
    sim::EngineOptions options;
    options.zoom = 0;
    options.seed = 1;
    options.presentInterval = {};
    sim::DisplayEngine engine(interpreter, model, sink, options);
    for (int i = 0; i < steps; ++i)
        engine.step();
    return engine.surface().screen().leds();
}

bool waitForLeds(const ScreenImage& image, const sim::DisplayModel& model, int zoom,
                 const sim::LedBitmap& expected, int timeoutMs) {
    return platform::waitUntil(
        [&] { return ledsShown(image, model.columns, model.rows, zoom) == expected; }, 10,
        timeoutMs);
}

bool runOnOtherThread(const std::function<void()>& work, int timeoutMs) {
    std::atomic<bool> done = false;
    std::thread thread([&] {
        work();
        done = true;
    });
    const bool finished = platform::waitUntil([&] { return done.load(); }, 5, timeoutMs);
    thread.join();
    return finished;
}

ProgramCopy::ProgramCopy() {
    const QString copy = path();
    QFile::copy(QStringLiteral(ORVEXSIM_PROGRAM), copy);
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // A portable copy: it keeps its settings beside it when it brings the file along.
    QFile settings(settingsPath());
    settings.open(QIODevice::WriteOnly);
}

QString ProgramCopy::path() const {
    return dir_.filePath(QStringLiteral("orvexsim"));
}

QString ProgramCopy::settingsPath() const {
    return dir_.filePath(QStringLiteral("orvexsim.ini"));
}

RunningProgram::RunningProgram(const QString& program, const QStringList& arguments,
                               const QStringList& environment) {
    std::map<std::string, std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const auto eq = entry.find('=');
        if (eq != std::string::npos) env[entry.substr(0, eq)] = entry.substr(eq + 1);
    }
    for (const QString& change : environment) {
        const qsizetype eq = change.indexOf(u'=');
        const std::string name = change.left(eq).toStdString();
        const QString value = change.mid(eq + 1);
        if (value.isEmpty())
            env.erase(name);
        else
            env[name] = value.toStdString();
    }
    std::vector<std::string> envStrings;
    for (const auto& [name, value] : env)
        envStrings.push_back(name + '=' + value);
    std::vector<char*> envp;
    for (std::string& entry : envStrings)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    const QByteArray programPath = QFile::encodeName(program);
    std::vector<QByteArray> args{programPath};
    for (const QString& argument : arguments)
        args.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    const QByteArray out = QFile::encodeName(dir_.filePath(QStringLiteral("out")));
    const QByteArray err = QFile::encodeName(dir_.filePath(QStringLiteral("err")));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    if (posix_spawn(&pid_, programPath.constData(), &actions, nullptr, argv.data(), envp.data()) !=
        0)
        pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
}

RunningProgram::~RunningProgram() {
    if (pid_ > 0 && !status_) {
        ::kill(pid_, SIGKILL);
        int status = 0;
        ::waitpid(pid_, &status, 0);
    }
}

std::optional<int> RunningProgram::waitForExit(int timeoutMs) {
    if (status_ || pid_ <= 0) return status_;
    int status = 0;
    const bool ended = platform::waitUntil(
        [&] { return ::waitpid(pid_, &status, WNOHANG) == pid_; }, 5, timeoutMs);
    if (!ended) return std::nullopt;
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return status_;
}

bool RunningProgram::waitForOutput(const QString& text, int timeoutMs) {
    return platform::waitUntil([&] { return standardOutput().contains(text); }, 10, timeoutMs);
}

QByteArray RunningProgram::standardOutputBytes() const {
    QFile file(dir_.filePath(QStringLiteral("out")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString RunningProgram::standardOutput() const {
    return QString::fromLocal8Bit(standardOutputBytes());
}

QString RunningProgram::standardError() const {
    QFile file(dir_.filePath(QStringLiteral("err")));
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}

void RunningProgram::sendSignal(int number) const {
    if (pid_ > 0 && !status_) ::kill(pid_, number);
}

QStringList withoutDisplay() {
    return {QStringLiteral("DISPLAY="), QStringLiteral("WAYLAND_DISPLAY="),
            QStringLiteral("QT_QPA_PLATFORM=")};
}

}  // namespace ztk::simapp::testing

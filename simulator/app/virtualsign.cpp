// SPDX-License-Identifier: MIT
#include "virtualsign.h"

#include "commandline.h"
#include "ptysigninput.h"
#include "tcpsigninput.h"

namespace ztk::simapp {
namespace {

// A flag given without a value reads "TRUE".
bool hasValue(const CommandLine& commandLine, const QString& key) {
    return commandLine.has(key) && commandLine.value(key) != QStringLiteral("TRUE") &&
           !commandLine.value(key).isEmpty();
}

}  // namespace

std::optional<InputOptions> inputOptions(const CommandLine& commandLine, QString& error) {
    InputOptions options;
    if (commandLine.has(QStringLiteral("listen"))) {
        if (!hasValue(commandLine, QStringLiteral("listen"))) {
            error = QStringLiteral("-listen needs a port, or ADDRESS:PORT");
            return std::nullopt;
        }
        options.listen = ListenAddress::parse(commandLine.value(QStringLiteral("listen")), error);
        if (!options.listen) return std::nullopt;
    }
    if (commandLine.has(QStringLiteral("pty"))) {
        if (!hasValue(commandLine, QStringLiteral("pty"))) {
            error = QStringLiteral("-pty needs the path of the link to make, such as /tmp/ttySign");
            return std::nullopt;
        }
        options.ptyPath = commandLine.value(QStringLiteral("pty"));
    }
    if (commandLine.has(QStringLiteral("address"))) {
        const QString text = commandLine.value(QStringLiteral("address"));
        const auto address = SignAddress::parse(text.toStdString());
        if (!address) {
            error = QStringLiteral("-address \"%1\": a sign address is 00 to FF").arg(text);
            return std::nullopt;
        }
        options.address = *address;
    }
    return options;
}

VirtualSign::VirtualSign(StreamReceiver::Deliver deliver, StreamReceiver::Note note,
                         QObject* parent)
    : QObject(parent), deliver_(std::move(deliver)), note_(std::move(note)) {}

VirtualSign::~VirtualSign() = default;

bool VirtualSign::open(const InputOptions& options, QString& error) {
    if (options.listen) {
        tcp_ = std::make_unique<TcpSignInput>(options.address, deliver_, note_);
        if (!tcp_->listen(*options.listen, error)) {
            tcp_.reset();
            return false;
        }
    }
    if (!options.ptyPath.isEmpty()) {
        pty_ = std::make_unique<PtySignInput>(options.address, deliver_, note_);
        if (!pty_->open(options.ptyPath, error)) {
            pty_.reset();
            tcp_.reset();
            return false;
        }
    }
    return true;
}

QStringList VirtualSign::where() const {
    QStringList lines;
    if (tcp_) lines << QStringLiteral("listening on %1").arg(tcp_->where());
    if (pty_) lines << QStringLiteral("serial line at %1").arg(pty_->linkPath());
    return lines;
}

void VirtualSign::removeTraces() {
    if (pty_) pty_->removeLink();
}

}  // namespace ztk::simapp

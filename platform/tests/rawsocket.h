#pragma once
// Unix-domain sockets made by hand, to play receivers that misbehave in ways a
// HandoverServer never would.

#include <QByteArray>
#include <QString>

namespace ztk::platform::test {

// A socket bound and listening at `path` that never accepts; -1 on failure.
int listenWithoutAccepting(const QString& path);
// Leaves a socket file at `path` that nobody listens on, as a crashed receiver does.
bool leaveStaleSocket(const QString& path);
// The record header for `message`, `kind` and a claimed data `length`.
QByteArray recordHeader(quint32 message, quint64 kind, quint32 length);

}  // namespace ztk::platform::test

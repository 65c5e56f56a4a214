// SPDX-License-Identifier: MIT
#pragma once
// Shared pieces of the control's tests: a fixture with a private folder for log and dump
// files, and the packets the control is expected to send.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace ztk::test {

// A type-0 packet for sign "00" (or `address`) carrying `command` after STX.
QByteArray packet(const QByteArray& command, const QByteArray& address = "00");

// The packets Initialize sends after connecting: blank text file "A", the memory layout
// with 32-byte string files, the run sequence.
QByteArray initializePackets(const QByteArray& address = "00");

class ControlTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A path inside the test's private folder.
    QString path(const QString& name) const { return dir_.filePath(name); }
    // The lines of a file without their line ends; empty when it does not exist.
    static QStringList lines(const QString& file);
    // Sets or removes (empty) the per-user dump switch read by new controls.
    static void setDumpSwitch(const QString& file);
    // Maps COM port `n` to `device` in the per-user settings.
    static void mapComPort(int n, const QString& device);

  private:
    QTemporaryDir dir_;
};

}  // namespace ztk::test

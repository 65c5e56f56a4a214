// SPDX-License-Identifier: MIT
#pragma once
// ProtocolSignWindow: the sign window fed with Orvex packets. It keeps the packet
// interpreter's stores and handles the records handed over by the control: a new message
// (586), a string file (842) and a display-model line (330).

#include <QByteArray>

#include <cstdint>

#include "signwindow.h"
#include "simcore/interpreter.h"

namespace ztk::simapp {

class ProtocolSignWindow final : public SignWindow {
    Q_OBJECT
  public:
    ProtocolSignWindow(SimSettings& settings, Prompter& prompter, QString className,
                       int linkBarHeight);
    ~ProtocolSignWindow() override;

    // Handles one copy-data record of kind `kind`; returns 1 when handled, 0 for a kind it
    // does not know or a model line it cannot show (the display is then left as it was).
    // The data of a packet may end in the zero byte the control adds; a model line ends at
    // its first zero byte.
    std::int64_t handleCopyData(std::uint64_t kind, const QByteArray& data);

    const sim::PacketInterpreter& interpreter() const { return interpreter_; }

  protected:
    sim::SignContent& content() override { return interpreter_; }
    void prepareContent(const sim::DisplayModel& model) override;

  private:
    sim::PacketInterpreter interpreter_;
};

}  // namespace ztk::simapp

// SPDX-License-Identifier: MIT
#pragma once
// The failure that rendering raises, and where the routines that have a failure handler of
// their own report what they caught.

#include <QString>

#include <exception>
#include <utility>

namespace ztk::protocol {

// Number and source of the failures that the control raises itself.
inline constexpr int kRenderErrorNumber = -2147221504;  // 0x80040000
inline constexpr char kRenderErrorSource[] = "ZTKMarqueeControl";

// A failure with the number, source and text that the error log shows.
struct RenderFailure : std::exception {
    explicit RenderFailure(QString errorText, int errorNumber = kRenderErrorNumber,
                           QString errorSource = QLatin1String(kRenderErrorSource))
        : number(errorNumber), source(std::move(errorSource)), text(std::move(errorText)) {}
    const char* what() const noexcept override { return "ZTKMarqueeControl rendering failure"; }

    int number;
    QString source;
    QString text;
};

// Told about every failure that a parse routine caught at its boundary.
class RenderLog {
  public:
    virtual ~RenderLog() = default;
    // `routine` is the name in the log prefix, e.g. "ParseVariableTag".
    virtual void routineFailed(const QString& routine, const RenderFailure& failure) = 0;
};

}  // namespace ztk::protocol

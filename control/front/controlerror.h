// SPDX-License-Identifier: MIT
#pragma once
// The failure that a routine of the control raises: caught at the routine's boundary,
// logged, and turned into a false result.

#include <QString>

#include <exception>

namespace ztk {

// Number and source of the failures that the control raises itself.
inline constexpr int kControlErrorNumber = -2147221504;  // 0x80040000
inline constexpr const char* kLibraryTitle = "ZTKMarqueeControl";
// Number of a failed allocation.
inline constexpr int kOutOfMemoryNumber = 7;

struct ControlError : std::exception {
    // A failure of the control's own: number kControlErrorNumber, source kLibraryTitle.
    explicit ControlError(QString errorText)
        : number(kControlErrorNumber), source(kLibraryTitle), text(std::move(errorText)) {}
    ControlError(int errorNumber, QString errorSource, QString errorText)
        : number(errorNumber), source(std::move(errorSource)), text(std::move(errorText)) {}
    const char* what() const noexcept override { return "ZTKMarqueeControl failure"; }

    int number;
    QString source;
    QString text;
};

}  // namespace ztk

// SPDX-License-Identifier: MIT
#pragma once
// What a writer reports: success, an unexpected failure, or the unclosed variable tag of a
// string. The caller shows the text of a failure and then saves nothing.

#include <string>
#include <utility>

namespace ztk::msgfile {

// Error numbers of the writers' own failures.
inline constexpr long kErrInvalidArgument = 5;
inline constexpr long kErrOutOfMemory = 7;
inline constexpr long kErrNoElement = 91;
// Source named in the writers' failures.
inline constexpr char kWriterErrorSource[] = "Legendo";

// The text of the warning given for a "<" without its ">".
inline constexpr char kMissingCloseTagText[] = "Missing '>'.  Variable not properly defined.";

// A writer's unexpected failure.
struct WriterError {
    // The writer's message name: "WriteTemplate", "WriteMultiPgTemplate", "WriteString",
    // "WriteAlarm" or "WriteTag".
    std::string messageName;
    long number = 0;
    std::string source;
    std::string description;
};

struct WriteOutcome {
    enum class Kind {
        Ok,
        UnexpectedError,  // shown with the critical icon
        MissingCloseTag,  // shown with the exclamation icon
    };
    Kind kind = Kind::Ok;
    WriterError error;  // set for UnexpectedError

    explicit operator bool() const { return kind == Kind::Ok; }

    static WriteOutcome ok() { return {}; }
    static WriteOutcome failed(WriterError error) {
        return {Kind::UnexpectedError, std::move(error)};
    }
    static WriteOutcome missingCloseTag() { return {Kind::MissingCloseTag, {}}; }
};

// "Unexpected error in " + name + ": " + number + " -- " + source + line break + " :: " +
// description.
std::string unexpectedErrorText(const WriterError& error, const std::string& lineBreak = "\r\n");

// The message box text for a failed outcome; empty for success.
std::string outcomeText(const WriteOutcome& outcome, const std::string& lineBreak = "\r\n");

}  // namespace ztk::msgfile

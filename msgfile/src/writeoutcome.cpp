// SPDX-License-Identifier: MIT
#include "msgfile/writeoutcome.h"

namespace ztk::msgfile {

std::string unexpectedErrorText(const WriterError& error, const std::string& lineBreak) {
    return "Unexpected error in " + error.messageName + ": " + std::to_string(error.number) +
           " -- " + error.source + lineBreak + " :: " + error.description;
}

std::string outcomeText(const WriteOutcome& outcome, const std::string& lineBreak) {
    switch (outcome.kind) {
        case WriteOutcome::Kind::Ok:
            return {};
        case WriteOutcome::Kind::UnexpectedError:
            return unexpectedErrorText(outcome.error, lineBreak);
        case WriteOutcome::Kind::MissingCloseTag:
            return kMissingCloseTagText;
    }
    return {};
}

}  // namespace ztk::msgfile

// SPDX-License-Identifier: MIT
#pragma once
// Pieces shared by the writers: the failure they raise internally, the boundary that turns
// it into a WriterError, and element building that checks what pugixml returns.

#include "msgfile/writeoutcome.h"
#include "msgfile/writerdata.h"

#include <pugixml.hpp>

#include <new>
#include <stdexcept>
#include <string>
#include <utility>

namespace ztk::msgfile::detail {

// Raised inside a writer; its boundary reports it under the writer's message name.
struct WriterFailure : std::runtime_error {
    WriterFailure(long number, const std::string& description)
        : std::runtime_error(description), number(number) {}
    long number;
};

// Runs `body` and reports anything that it raises as the failure of writer `messageName`.
template <typename Body>
WriteOutcome guarded(const char* messageName, Body&& body) {
    auto fail = [&](long number, std::string description) {
        return WriteOutcome::failed(
            {messageName, number, kWriterErrorSource, std::move(description)});
    };
    try {
        return std::forward<Body>(body)();
    } catch (const WriterFailure& failure) {
        return fail(failure.number, failure.what());
    } catch (const std::bad_alloc&) {
        return fail(kErrOutOfMemory, "Out of memory");
    } catch (const std::exception& e) {
        return fail(kErrInvalidArgument, e.what());
    }
}

// Appends a child element, failing when pugixml cannot (no parent, out of memory).
pugi::xml_node appendElement(pugi::xml_node parent, const char* name);
// Appends `text` as a text node.
void appendText(pugi::xml_node parent, const std::string& text);
// Sets an attribute, adding it when missing.
void setAttribute(pugi::xml_node node, const char* name, const std::string& value);

// Appends one LINE per row of the board to `parent` (a TEMPLATE or a PAGE).
void appendBoardLines(pugi::xml_node parent, const TemplateContent& content);

}  // namespace ztk::msgfile::detail

// SPDX-License-Identifier: MIT
#pragma once
// The example message file of a factory status board, built through the writers that the
// authoring program uses: a single-page template with variable fields, a multipage template
// with a rotating line, two strings with variables and three alarms.

#include <pugixml.hpp>

#include <string>

namespace ztk::examples {

// File name of the example under examples/.
inline constexpr char kFactoryFileName[] = "factory.xml";

// Builds the factory board into `doc` (replacing what it held). Returns false with the
// writer's message in `problem` when a writer fails.
bool buildFactoryBoard(pugi::xml_document& doc, std::string& problem);

// Builds the factory board and saves it to `path`; false with the reason in `problem`.
bool writeFactoryBoard(const std::string& path, std::string& problem);

}  // namespace ztk::examples

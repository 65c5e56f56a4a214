// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace ztk::test {

// Points HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR at a fresh private folder (removed at
// exit) and selects the offscreen Qt platform. Call before creating the Qt application.
void prepareTestEnvironment();

// The private folder made by prepareTestEnvironment().
QString testRoot();

}  // namespace ztk::test

// SPDX-License-Identifier: MIT
// Test main for modules that need a Qt event loop but no widgets.
#include <gmock/gmock.h>

#include <QCoreApplication>

#include "support/testenvironment.h"

int main(int argc, char** argv) {
    ztk::test::prepareTestEnvironment();
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}

// SPDX-License-Identifier: MIT
// Test main for widget tests: a QApplication on the offscreen platform.
#include <gmock/gmock.h>

#include <QApplication>

#include "support/testenvironment.h"

int main(int argc, char** argv) {
    ztk::test::prepareTestEnvironment();
    QApplication app(argc, argv);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}

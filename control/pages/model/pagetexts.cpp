// SPDX-License-Identifier: MIT
#include "model/pagetexts.h"

namespace ztk::pages::text {

QStringList marqueeTypeEntries() {
    return {QStringLiteral("0 - Orvex")};
}

QStringList comPortEntries() {
    QStringList entries;
    for (int port = 1; port <= 16; ++port)
        entries << QStringLiteral("COM %1").arg(port);
    return entries;
}

QStringList baudRateEntries() {
    return {QStringLiteral("110"),   QStringLiteral("300"),    QStringLiteral("600"),
            QStringLiteral("1200"),  QStringLiteral("2400"),   QStringLiteral("4800"),
            QStringLiteral("9600"),  QStringLiteral("14400"),  QStringLiteral("19200"),
            QStringLiteral("28800"), QStringLiteral("38400"),  QStringLiteral("56000"),
            QStringLiteral("57600"), QStringLiteral("115200"), QStringLiteral("128000"),
            QStringLiteral("256000")};
}

QStringList parityEntries() {
    return {QStringLiteral("None"), QStringLiteral("Even"), QStringLiteral("Odd"),
            QStringLiteral("Mark"), QStringLiteral("Space")};
}

QStringList dataBitsEntries() {
    return {QStringLiteral("8"), QStringLiteral("7"), QStringLiteral("6"), QStringLiteral("5"),
            QStringLiteral("4")};
}

QStringList stopBitsEntries() {
    return {QStringLiteral("1"), QStringLiteral("2")};
}

}  // namespace ztk::pages::text

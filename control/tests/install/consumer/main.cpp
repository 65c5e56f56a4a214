// SPDX-License-Identifier: MIT
// Uses the control through its installed header only. Without arguments: properties, a
// refused set, a method. With "simulate": shows a message on the simulator the control
// starts, which it must find in the installation.
#include <ZTKMarqueeControl/marquee.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <cstdio>
#include <cstring>

namespace {

// The simulator is started without waiting for it; it takes packets once its window is up.
int showOnSimulator(ztk::Marquee& marquee) {
    marquee.setMarqueeConnectMode(2);
    marquee.Initialize();
    QElapsedTimer waited;
    waited.start();
    bool shown = false;
    while (!shown && waited.elapsed() < 60000) {
        shown = marquee.QuickDisplay("HELLO", "Green", "", "Hold", "", "Top");
        if (!shown) {
            QCoreApplication::processEvents();
            QThread::msleep(100);
        }
    }
    std::printf("%s\n", shown ? "shown" : "no simulator");
    return shown ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ztk::Marquee marquee;
    if (argc > 1 && std::strcmp(argv[1], "simulate") == 0) return showOnSimulator(marquee);

    marquee.setMarqueeAddress("a");
    int refused = 0;
    try {
        marquee.setSerialComPort(0);
    } catch (const ztk::PropertyError& error) {
        refused = error.number();
    }
    std::printf("%s %d %s\n", qPrintable(marquee.MarqueeAddress()), refused,
                qPrintable(marquee.GetSocketState()));
    return 0;
}

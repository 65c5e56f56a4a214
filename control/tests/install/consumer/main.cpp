// Uses the control through its installed header only: properties, a refused set, a method.
#include <ZTKMarqueeControl/marquee.h>

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ztk::Marquee marquee;
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

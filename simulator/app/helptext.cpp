// SPDX-License-Identifier: MIT
#include "helptext.h"

#include "versioninfo.h"

namespace ztk::simapp {

bool asksForHelp(const QStringList& arguments) {
    return arguments.contains(QStringLiteral("--help")) ||
           arguments.contains(QStringLiteral("-?")) || arguments.contains(QStringLiteral("/?"));
}

bool asksForVersion(const QStringList& arguments) {
    return arguments.contains(QStringLiteral("--version"));
}

QString helpText() {
    return QStringLiteral(
        R"(Usage: orvexsim [-flag value | /flag value]...
       orvexsim -class NAME -leds FILE|- [-snapshot FILE.png]

Shows a simulated Orvex LED sign in a window. It takes the packets of a real sign from the
control in simulate mode (through the hand-over of its window class), and with -listen or
-pty from any program that speaks the protocol, over TCP or a serial line.

A flag is written "-flag value" or "/flag value"; names are case-sensitive, and a flag
given without a value reads TRUE. Numbers take their leading digits only.

The sign:
  -class NAME        the window class it registers; the control uses simwin
                     (default OrvexSimWnd). A second start under a running class brings
                     that window forward and exits with status 1.
  -title NAME        the model name, shown as the window title (default Orvex 5210C);
                     with it the size flags win over the model stored by Change Display
  -x N               LED columns, decimal (default 120)
  -y N               LED rows, decimal (default 24)
  -c N               colours: 1, 3 or 8 (default 3)
  -m HEX             supported display modes, a mask (default 3FFF)
  -o HEX             supported text features, a mask (default 3FF)
  -f HEX             supported character sets, a mask (default 77)
  -nolink            no link bar below the LEDs

A virtual sign:
  -listen PORT       take packets over TCP on PORT of the loopback address 127.0.0.1
  -listen ADDRESS:PORT
                     ... on that address instead (0.0.0.0:PORT for every network,
                     [::1]:PORT for IPv6); port 0 picks a free one. Up to 32 connections.
  -pty PATH          take packets on a serial line: a pseudo-terminal with a symbolic
                     link at PATH (map COM1 to it); the link goes when the sign ends
  -address HEX       the sign's address, 00 to FF (default 00); a packet is taken when it
                     names this address or the broadcast address 00

Reading back what a running sign shows (with its -class):
  -leds FILE         writes its LEDs as text, one line per row ("-": standard output):
                     . off, R G A r g b o y the colours, 1 to 8 the same while flashing
  -snapshot FILE     writes a PNG of its LEDs
                     Exit status 0 once the files are complete, 1 when no simulator runs
                     under the class.
The argument after -pty, -leds and -snapshot is always taken as their value, so a path
may begin with "/".

  --help             this text
  --version          the program's version

Qt's own command-line options are not read: use QT_QPA_PLATFORM and DISPLAY.
SIGTERM, SIGINT and SIGHUP end the simulator as closing its window does (exit status 0).
)");
}

QString versionText() {
    const VersionInfo version = programVersion();
    return QStringLiteral("orvexsim %1\n%2\n").arg(version.fileVersion, version.legalCopyright);
}

}  // namespace ztk::simapp

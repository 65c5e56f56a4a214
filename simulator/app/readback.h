// SPDX-License-Identifier: MIT
#pragma once
// Reading back what the sign shows, for tests, scripts and CI. A second start of the
// program with "-snapshot FILE.png" or "-leds FILE" ("-" for standard output) asks the
// simulator running under "-class NAME" for its current screen through the hand-over's
// read-back record, writes it and exits; the running simulator answers with an LED dump
// (the format of orvexsim-render --leds) or a PNG of its LEDs.

#include <QByteArray>
#include <QImage>

#include <cstdio>
#include <string>

#include "simcore/displaymodel.h"
#include "simcore/ledbitmap.h"

namespace ztk::simapp {

class CommandLine;
class ScreenImage;
class SignWindow;

inline const QByteArray kReadBackLeds = QByteArrayLiteral("leds");
inline const QByteArray kReadBackPng = QByteArrayLiteral("png");

// The palette index of every LED as `image` shows it at `zoom` (read at the centre of each
// LED's dot); 0 for an LED not yet presented.
sim::LedBitmap ledsShown(const ScreenImage& image, int columns, int rows, int zoom);
// The LED dump of `leds` on a sign of `colors` colours: one line per row, one character per LED.
std::string ledDumpText(const sim::LedBitmap& leds, int colors);

// What `window` shows now as an image of its LEDs, with the window's title as the PNG text
// "Title" and its model line as "Description".
QImage snapshotImage(const SignWindow& window);
// The reply to read-back `request`: the LED dump, the PNG, or empty for a request it does
// not know.
QByteArray readBackReply(const SignWindow& window, const QByteArray& request);

// Whether the command line asks for a read-back rather than a sign.
bool isReadBackStart(const CommandLine& commandLine);
// Runs the read-back start: 0 when every file asked for is complete, 1 when no simulator
// runs under the class or a file cannot be written, 2 for a flag without its file. Errors
// go to `err`, a "-" output to `out`.
int runReadBack(const CommandLine& commandLine, std::FILE* out, std::FILE* err);

}  // namespace ztk::simapp

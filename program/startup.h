#pragma once
// What every start shares, the program's, the tools' and the tests': call it once,
// right after the QApplication is made, before any screen is built.

namespace sd {

// The program's name, version and desktop name, the right-to-left direction, and
// the stored layouts' fonts mapped to this machine's, and Qt's own texts in Arabic.
void setUpApplication();

} // namespace sd

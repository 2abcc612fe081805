#pragma once
// Screenshot mode, for the documentation: when HM3300_SCREENSHOT_DIR names a folder, the
// window opens the codeplug named by HM3300_SCREENSHOT_CODEPLUG (if set), saves a picture
// of itself showing each page in every language and skin as
// "<page>-<language>-<skin>.png" into that folder, and in every language the Edit menu, the
// warning of a Read from a port that cannot be opened and the user guide as
// "<part>-<language>.png"; then the program ends. The warning is the one of a missing device
// when the program was started with --port naming a device that is not there.

#include <QString>

namespace hm3300::app {

class MainWindow;

// The folder named by HM3300_SCREENSHOT_DIR; empty when screenshot mode is off.
QString screenshotFolder();

// Takes the pictures of the shown `window`; returns the program's exit status. The window
// is left without being closed, so myini.ini keeps the operator's choices.
int takeScreenshots(MainWindow& window, const QString& folder);

}  // namespace hm3300::app

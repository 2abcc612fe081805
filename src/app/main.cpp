// hm3300d: the programming application's window.

#include <QApplication>
#include <QCommandLineParser>
#include <cstring>
#include <iostream>

#include "app/main_window.h"
#include "app/screenshots.h"

namespace {

constexpr const char* kUsage =
    "Usage: hm3300d [--port PATH] [FILE.p46]\n"
    "\n"
    "Edits HM-3300D codeplugs, reads and writes the radio over its programming cable and\n"
    "keeps codeplugs in *.p46 files. FILE.p46, when given, is opened at start.\n"
    "\n"
    "Options:\n"
    "  --port PATH  open the serial device PATH for the port chosen in the Options menu,\n"
    "               for this session only (for example the virtual radio's link)\n"
    "  --help       show this text\n"
    "\n"
    "The port devices COM1 ... COM4 are set in myini.ini beside the program, section\n"
    "[ports], keys com1 ... com4 (default /dev/ttyUSB0 ... /dev/ttyUSB3).\n";

bool helpRequested(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before the window system is needed, so it works without a display.
    if (helpRequested(argc, argv)) {
        std::cout << kUsage;
        return 0;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("HM-3300D"));

    QCommandLineParser parser;
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("Serial device for the chosen port."),
                                        QStringLiteral("PATH"));
    parser.addOption(portOption);
    if (!parser.parse(QApplication::arguments()) || parser.positionalArguments().size() > 1) {
        const QString error = parser.errorText().isEmpty()
                                  ? QStringLiteral("unexpected argument \"%1\"")
                                        .arg(parser.positionalArguments().value(1))
                                  : parser.errorText();
        std::cerr << "hm3300d: " << error.toStdString() << "\n\n" << kUsage;
        return 2;
    }

    hm3300::app::MainWindow window({QApplication::applicationDirPath(), parser.value(portOption),
                                    parser.positionalArguments().value(0)});
    window.show();
    if (const QString folder = hm3300::app::screenshotFolder(); !folder.isEmpty()) {
        return hm3300::app::takeScreenshots(window, folder);
    }
    return QApplication::exec();
}

// hm3300d: the programming application's window.

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <cstring>
#include <iostream>

#include "app/main_window.h"
#include "app/screenshots.h"
#include "build_info.h"
#include "places/program_files.h"

namespace {

constexpr const char* kUsage =
    "Usage: hm3300d [--port PATH] [FILE.p46]\n"
    "\n"
    "Edits HM-3300D codeplugs, reads and writes the radio over its programming cable and\n"
    "keeps codeplugs in *.p46 files. FILE.p46, when given, is opened at start.\n"
    "\n"
    "Arguments:\n"
    "  FILE.p46     open this codeplug file at start\n"
    "\n"
    "Options:\n"
    "  --port PATH  open the serial device PATH for the port chosen in the Options menu,\n"
    "               for this session only (for example the virtual radio's link)\n"
    "  --help       show this text\n"
    "  --version    show the version of the program\n"
    "\n"
    "The device behind each of the ports COM1 ... COM4 is chosen with Options -> port ->\n"
    "Choose device, and kept in myini.ini, section [ports], keys com1 ... com4 (default\n"
    "/dev/ttyUSB0 ... /dev/ttyUSB3). myini.ini lies beside the program when it runs from a\n"
    "writable folder of its own, such as its build folder; an installed program keeps it in\n"
    "$XDG_CONFIG_HOME/hm3300d (~/.config/hm3300d). Every read is backed up in\n"
    "$XDG_DATA_HOME/hm3300d/backups (~/.local/share/hm3300d/backups).\n";

// --help or --version, answered before the window system is needed, so they work without a
// display. Returns whether one was answered.
bool answeredWithoutWindow(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << kUsage;
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "hm3300d " << hm3300::build::kVersion << '\n';
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (answeredWithoutWindow(argc, argv)) {
        return 0;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("HM-3300D"));
    // The desktop matches the window with its entry, and so with its icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(hm3300::build::kApplicationId));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("hm3300d")));

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

    const QStringList files = parser.positionalArguments();
    hm3300::app::MainWindow window(
        {hm3300::places::programFolder(), parser.value(portOption),
         files.isEmpty() ? QString() : QFileInfo(files.front()).absoluteFilePath()});
    window.show();
    if (const QString folder = hm3300::app::screenshotFolder(); !folder.isEmpty()) {
        return hm3300::app::takeScreenshots(window, folder);
    }
    return QApplication::exec();
}

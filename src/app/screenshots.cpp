#include "app/screenshots.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QTabWidget>
#include <QTimer>
#include <array>
#include <functional>
#include <iostream>

#include "app/help.h"
#include "app/main_window.h"

namespace hm3300::app {

namespace {

constexpr std::array<const char*, 6> kPageNames{"channels", "functions", "dtmf",
                                                "channel",  "side-key",  "other"};
constexpr std::array<const char*, kSkinCount> kSkinNames{"blue", "steel", "coffee"};
constexpr std::array<model::Language, 3> kLanguages{
    model::Language::Chinese, model::Language::English, model::Language::Taiwan};

// Lets relabelling, restyling and layout finish before a picture is taken.
void settle() {
    for (int round = 0; round < 3; ++round) {
        QApplication::processEvents();
    }
}

bool save(const QPixmap& picture, const QDir& folder, const QString& name) {
    if (picture.save(folder.filePath(name))) {
        return true;
    }
    std::cerr << "hm3300d: cannot write " << folder.filePath(name).toStdString() << '\n';
    return false;
}

// The Edit menu opened under its title, as the operator sees it.
QPixmap editMenuPicture(MainWindow& window) {
    QMenu* menu = window.menu().editMenu;
    const QRect title = window.menuBar()->actionGeometry(menu->menuAction());
    menu->popup(window.menuBar()->mapToGlobal(title.bottomLeft()));
    settle();
    const QPixmap picture = menu->grab();
    menu->hide();
    return picture;
}

// The dialog that `command` opens modally, as the operator sees it; the dialog is closed
// once the picture is taken. An empty picture when nothing opened.
QPixmap modalDialogPicture(const std::function<void()>& command) {
    QPixmap picture;
    // Runs in the dialog's own event loop, once it is up.
    QTimer::singleShot(0, [&picture] {
        settle();
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            picture = dialog->grab();
            dialog->reject();
        }
    });
    command();
    settle();
    return picture;
}

// The user guide in the language of the window, in its own window.
QPixmap helpPicture(MainWindow& window) {
    window.showHelp();
    settle();
    const QPixmap picture = window.helpWindow()->grab();
    window.helpWindow()->hide();
    return picture;
}

// The pictures of the window's parts that are not pages, each named "<part>-<language>.png":
// the Edit menu, the warning of a Read whose port cannot be opened (the port chosen at
// start names a device that is not there), and the user guide.
bool saveLanguagePictures(MainWindow& window, const QDir& target, model::Language language) {
    const QString suffix =
        QStringLiteral("-%1.png").arg(QString::fromLatin1(model::packName(language)));
    return save(editMenuPicture(window), target, QStringLiteral("edit-menu") + suffix) &&
           save(modalDialogPicture([&window] { window.readFromRadio(); }), target,
                QStringLiteral("warning") + suffix) &&
           save(helpPicture(window), target, QStringLiteral("help") + suffix);
}

}  // namespace

QString screenshotFolder() {
    return qEnvironmentVariable("HM3300_SCREENSHOT_DIR");
}

int takeScreenshots(MainWindow& window, const QString& folder) {
    const QDir target(folder);
    if (!target.mkpath(QStringLiteral("."))) {
        std::cerr << "hm3300d: cannot create " << folder.toStdString() << '\n';
        return 1;
    }
    const QString codeplug = qEnvironmentVariable("HM3300_SCREENSHOT_CODEPLUG");
    if (!codeplug.isEmpty()) {
        if (const auto error = window.openCodeplugFile(codeplug)) {
            std::cerr << "hm3300d: " << error->message << '\n';
            return 1;
        }
    }
    for (const model::Language language : kLanguages) {
        window.menu().languages[static_cast<std::size_t>(language)]->trigger();
        for (int skin = 1; skin <= kSkinCount; ++skin) {
            window.menu().skins[static_cast<std::size_t>(skin - 1)]->trigger();
            for (int page = 0; page < window.pages()->count(); ++page) {
                window.pages()->setCurrentIndex(page);
                settle();
                const QString name =
                    QStringLiteral("%1-%2-%3.png")
                        .arg(QString::fromLatin1(kPageNames[static_cast<std::size_t>(page)]),
                             QString::fromLatin1(model::packName(language)),
                             QString::fromLatin1(kSkinNames[static_cast<std::size_t>(skin - 1)]));
                if (!save(window.grab(), target, name)) {
                    return 1;
                }
            }
        }
        if (!saveLanguagePictures(window, target, language)) {
            return 1;
        }
    }
    return 0;
}

}  // namespace hm3300::app

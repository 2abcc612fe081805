#include "app/screenshots.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <array>
#include <iostream>

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
                if (!window.grab().save(target.filePath(name))) {
                    std::cerr << "hm3300d: cannot write " << target.filePath(name).toStdString()
                              << '\n';
                    return 1;
                }
            }
        }
    }
    return 0;
}

}  // namespace hm3300::app

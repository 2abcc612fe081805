// MainWindow: its place on the desktop: the device behind each port, the backup of every
// read, and a file named on the command line.

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QStatusBar>
#include <QUrl>

#include "app/main_window.h"
#include "app/pack_text.h"
#include "app/port_choice_dialog.h"
#include "model/text_ids.h"
#include "places/backups.h"

namespace hm3300::app {

void MainWindow::showPortDevices() {
    for (int port = 1; port <= kPortCount; ++port) {
        menu_.ports[static_cast<std::size_t>(port - 1)]->setStatusTip(
            portPaths_[static_cast<std::size_t>(port - 1)]);
    }
}

// The device chosen replaces both the stored one and a --port of this session.
void MainWindow::chooseDevice() {
    PortChoiceDialog dialog(portPath(), document_.pack(), this);
    if (dialog.exec() != QDialog::Accepted || dialog.device().isEmpty()) {
        return;
    }
    const auto index = static_cast<std::size_t>(settings_.com - 1);
    settings_.portPaths[index] = dialog.device();
    portPaths_[index] = dialog.device();
    showPortDevices();
}

QString MainWindow::keepReadBackup() {
    const places::BackupResult backup =
        places::saveBackup(document_.codeplug(), document_.pack(), QDateTime::currentDateTime());
    const model::LanguagePack& pack = document_.pack();
    return backup.ok() ? packText(pack, model::TextId::BackupSaved) + QLatin1Char(' ') +
                             QDir::toNativeSeparators(backup.path)
                       : packText(pack, model::TextId::BackupFailed) + QLatin1Char(' ') +
                             messageText(backup.error, pack);
}

void MainWindow::showBackupsFolder() {
    model::Message error;
    const QString folder = places::makeBackupFolder(error);
    if (folder.isEmpty()) {
        showWarning(packText(document_.pack(), model::TextId::BackupsFolderFailed) +
                    QLatin1Char(' ') + messageText(error, document_.pack()));
    } else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder))) {
        showWarning(packText(document_.pack(), model::TextId::BackupsFolderFailed) +
                    QLatin1Char(' ') + QDir::toNativeSeparators(folder));
    }
}

}  // namespace hm3300::app

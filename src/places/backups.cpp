#include "places/backups.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>

#include "file/codeplug_file.h"
#include "places/user_folders.h"

namespace hm3300::places {

namespace {

// More reads than this within one second cannot come from one radio.
constexpr int kMaxBackupsPerSecond = 100;

QString backupName(const QDateTime& readAt, int copy) {
    const QString stem = readAt.toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    return copy == 1 ? stem + QStringLiteral(".p46")
                     : QStringLiteral("%1-%2.p46").arg(stem).arg(copy);
}

}  // namespace

QString makeBackupFolder(QString& error) {
    const QString data = userFolder(UserFolder::Data);
    if (data.isEmpty()) {
        error = QStringLiteral("there is no data folder: neither XDG_DATA_HOME nor HOME is set");
        return {};
    }
    const QString folder = data + QStringLiteral("/backups");
    if (!QDir().mkpath(folder)) {
        error = QStringLiteral("the folder %1 cannot be created").arg(folder);
        return {};
    }
    return folder;
}

BackupResult saveBackup(const model::Codeplug& codeplug, const model::LanguagePack& pack,
                        const QDateTime& readAt) {
    QString error;
    const QString folder = makeBackupFolder(error);
    if (folder.isEmpty()) {
        return {{}, error};
    }
    for (int copy = 1; copy <= kMaxBackupsPerSecond; ++copy) {
        const QString path = QDir(folder).filePath(backupName(readAt, copy));
        // Claiming the name first keeps an earlier backup from ever being replaced.
        const int fd = ::open(QFile::encodeName(path).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0) {
            const int error = errno;
            if (error == EEXIST) {
                continue;
            }
            return {{}, path + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error))};
        }
        ::close(fd);
        if (const auto error =
                file::saveCodeplug(QFile::encodeName(path).toStdString(), codeplug, pack)) {
            QFile::remove(path);
            return {{}, QString::fromStdString(error->in(pack))};
        }
        return {path, {}};
    }
    return {{},
            QStringLiteral("%1 already holds %2 backups of the same second")
                .arg(folder)
                .arg(kMaxBackupsPerSecond)};
}

}  // namespace hm3300::places

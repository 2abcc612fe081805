#include "places/backups.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>

#include "file/codeplug_file.h"
#include "file/file_io.h"
#include "model/quoted_text.h"
#include "model/text_ids.h"
#include "places/local_path.h"
#include "places/user_folders.h"

namespace hm3300::places {

namespace {

namespace TextId = model::TextId;
using model::Message;

// More reads than this within one second cannot come from one radio.
constexpr int kMaxBackupsPerSecond = 100;

QString backupName(const QDateTime& readAt, int copy) {
    const QString stem = readAt.toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    return copy == 1 ? stem + QStringLiteral(".p46")
                     : QStringLiteral("%1-%2.p46").arg(stem).arg(copy);
}

}  // namespace

QString makeBackupFolder(Message& error) {
    const QString data = userFolder(UserFolder::Data);
    if (data.isEmpty()) {
        error = Message(TextId::NoDataFolder);
        return {};
    }
    const QString folder = data + QStringLiteral("/backups");
    if (!QDir().mkpath(folder)) {
        error = {TextId::FolderNotMade, {model::quotedText(folder.toStdString())}};
        return {};
    }
    return folder;
}

BackupResult saveBackup(const model::Codeplug& codeplug, const model::LanguagePack& pack,
                        const QDateTime& readAt) {
    Message error;
    const QString folder = makeBackupFolder(error);
    if (folder.isEmpty()) {
        return {{}, error};
    }
    for (int copy = 1; copy <= kMaxBackupsPerSecond; ++copy) {
        const QString path = QDir(folder).filePath(backupName(readAt, copy));
        // Claiming the name first keeps an earlier backup from ever being replaced.
        const int fd =
            ::open(localPath(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0) {
            const int reason = errno;
            if (reason == EEXIST) {
                continue;
            }
            return {{},
                    {TextId::CannotSave,
                     {model::quotedText(path.toStdString()), file::systemError(reason)}}};
        }
        ::close(fd);
        if (const auto error = file::saveCodeplug(localPath(path), codeplug, pack)) {
            QFile::remove(path);
            return {{}, *error};
        }
        return {path, {}};
    }
    return {{},
            {TextId::BackupsOfOneSecond,
             {model::quotedText(folder.toStdString()), std::to_string(kMaxBackupsPerSecond)}}};
}

}  // namespace hm3300::places

#pragma once
// A copy of every codeplug read from a radio, kept in the user's data folder
// ($XDG_DATA_HOME/hm3300d/backups) as <date>-<time>.p46. The program only adds backups: it
// never replaces or deletes one.

#include <QDateTime>
#include <QString>

#include "model/codeplug.h"
#include "model/language_pack.h"
#include "model/message.h"

namespace hm3300::places {

// The backups folder, created when missing; empty, with `error` set, when it cannot be.
QString makeBackupFolder(model::Message& error);

struct BackupResult {
    QString path;          // the new backup
    model::Message error;  // why there is none

    bool ok() const { return error.empty(); }
};

// Saves `codeplug` in the words of `pack` as a new backup named for `readAt`
// ("2024-05-01-143012.p46"); a second read in the same second gets "-2", and so on.
BackupResult saveBackup(const model::Codeplug& codeplug, const model::LanguagePack& pack,
                        const QDateTime& readAt);

}  // namespace hm3300::places

#include "places/user_folders.h"

#include <QDir>

namespace hm3300::places {

namespace {

struct BaseFolder {
    const char* variable;
    const char* underHome;
};

BaseFolder baseFolderOf(UserFolder kind) {
    switch (kind) {
        case UserFolder::Cache:
            return {"XDG_CACHE_HOME", ".cache"};
        case UserFolder::Config:
            return {"XDG_CONFIG_HOME", ".config"};
        case UserFolder::Data:
            return {"XDG_DATA_HOME", ".local/share"};
    }
    return {"XDG_DATA_HOME", ".local/share"};
}

}  // namespace

QString userFolder(UserFolder kind) {
    const BaseFolder base = baseFolderOf(kind);
    // A relative path in the variable is invalid by the rules and must be ignored.
    QString folder = qEnvironmentVariable(base.variable);
    if (!QDir::isAbsolutePath(folder)) {
        const QString home = qEnvironmentVariable("HOME");
        if (!QDir::isAbsolutePath(home)) {
            return {};
        }
        folder = home + QLatin1Char('/') + QLatin1String(base.underHome);
    }
    return QDir::cleanPath(folder + QStringLiteral("/hm3300d"));
}

}  // namespace hm3300::places

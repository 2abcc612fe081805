#include "places/program_files.h"

#include <QDir>
#include <QFileInfo>
#include <filesystem>

#include "build_info.h"
#include "places/user_folders.h"

namespace hm3300::places {

namespace {

QString installedDataFolder(const QString& programFolder) {
    return QDir::cleanPath(QDir(programFolder).filePath(build::kDataFolderFromPrograms));
}

// The settings file can be created or replaced there.
bool canKeepSettingsIn(const QString& folder) {
    const QFileInfo dir(folder);
    const QFileInfo settings(QDir(folder).filePath(kSettingsFileName));
    return dir.isDir() && dir.isWritable() && (!settings.exists() || settings.isWritable());
}

}  // namespace

QString programFolder() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? QDir::currentPath() : QString::fromStdString(executable.parent_path().string());
}

bool isInstalled(const QString& programFolder) {
    return QFileInfo(installedDataFolder(programFolder)).isDir();
}

QString findDataFile(const QString& programFolder, const QString& name) {
    for (const QString& folder : {programFolder, installedDataFolder(programFolder)}) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo::exists(path)) {
            return path;
        }
    }
    return {};
}

QString settingsFolder(const QString& programFolder) {
    if (!isInstalled(programFolder) && canKeepSettingsIn(programFolder)) {
        return programFolder;
    }
    const QString config = userFolder(UserFolder::Config);
    if (config.isEmpty()) {
        // Nowhere better: the settings are read if they are there, and saving says why not.
        return programFolder;
    }
    QDir().mkpath(config);
    return config;
}

}  // namespace hm3300::places

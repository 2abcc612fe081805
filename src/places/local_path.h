#pragma once
// A path from Qt as the core's file functions take it: in the bytes the system names files
// with, so that any name the desktop shows can be opened.

#include <QFile>
#include <QString>
#include <string>

namespace hm3300::places {

inline std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace hm3300::places

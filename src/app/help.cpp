#include "app/help.h"

#include <QDir>
#include <QFileInfo>

namespace hm3300::app {

QString helpDocumentPath(const QString& folder) {
    const QDir dir(folder);
    for (const char* name : {"HM3300D.chm", "user-guide.html"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        if (QFileInfo::exists(path)) {
            return path;
        }
    }
    return {};
}

}  // namespace hm3300::app

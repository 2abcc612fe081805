#include "app/help.h"

#include "places/program_files.h"

namespace hm3300::app {

QString helpDocumentPath(const QString& programFolder) {
    for (const char* name : {"HM3300D.chm", "user-guide.html"}) {
        if (QString path = places::findDataFile(programFolder, QString::fromLatin1(name));
            !path.isEmpty()) {
            return path;
        }
    }
    return {};
}

}  // namespace hm3300::app

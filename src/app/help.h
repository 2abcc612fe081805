#pragma once
// The help document: the compiled help file HM3300D.chm when it is there, otherwise the
// program's own user guide, user-guide.html; beside the program or in its data folder.

#include <QString>

namespace hm3300::app {

// The path of the document to open for the program in `programFolder`, or empty when
// neither file is found.
QString helpDocumentPath(const QString& programFolder);

}  // namespace hm3300::app

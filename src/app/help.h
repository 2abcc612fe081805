#pragma once
// The help document beside the executable: the compiled help file HM3300D.chm when it is
// there, otherwise the program's own user guide, user-guide.html.

#include <QString>

namespace hm3300::app {

// The path of the document to open, or empty when neither file exists in `folder`.
QString helpDocumentPath(const QString& folder);

}  // namespace hm3300::app

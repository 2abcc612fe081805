#pragma once
// How the file commands ask for a file name. Each command asks through a FileNameDialog,
// which tests replace; by default it is the system's file dialog, titled as the command's
// menu item is named in the current language.

#include <QString>
#include <functional>

class QAction;
class QWidget;

namespace hm3300::app {

// Asks for a file name, proposing `proposed` (the current file, or empty); returns an empty
// string when cancelled.
using FileNameDialog = std::function<QString(QWidget* parent, const QString& proposed)>;

// Who asks before an existing file is replaced by a save.
enum class ReplaceQuestion { AskedByDialog, AskedByCommand };

// The system's dialog choosing an existing file that matches `filter`.
FileNameDialog openFileDialog(const QAction* item, const QString& filter);
// The system's dialog naming a file to save.
FileNameDialog saveFileDialog(const QAction* item, const QString& filter, ReplaceQuestion question);

// `dialog` becomes `replacement`, unless that is empty (a test replacing some dialogs only).
void replaceDialog(FileNameDialog& dialog, FileNameDialog replacement);

}  // namespace hm3300::app

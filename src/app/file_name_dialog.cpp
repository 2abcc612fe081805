#include "app/file_name_dialog.h"

#include <QAction>
#include <QFileDialog>
#include <utility>

#include "app/pack_text.h"

namespace hm3300::app {

FileNameDialog openFileDialog(const QAction* item, const QString& filter) {
    return [item, filter](QWidget* parent, const QString& proposed) {
        return QFileDialog::getOpenFileName(parent, withoutAccelerator(item->text()), proposed,
                                            filter);
    };
}

FileNameDialog saveFileDialog(const QAction* item, const QString& filter,
                              ReplaceQuestion question) {
    const QFileDialog::Options options = question == ReplaceQuestion::AskedByCommand
                                             ? QFileDialog::DontConfirmOverwrite
                                             : QFileDialog::Options();
    return [item, filter, options](QWidget* parent, const QString& proposed) {
        return QFileDialog::getSaveFileName(parent, withoutAccelerator(item->text()), proposed,
                                            filter, nullptr, options);
    };
}

void replaceDialog(FileNameDialog& dialog, FileNameDialog replacement) {
    if (replacement) {
        dialog = std::move(replacement);
    }
}

}  // namespace hm3300::app

// MainWindow: File → Import CSV and Export CSV, the channel list in the CSV layout of the
// common open-source radio programmers.

#include "app/confirm_dialog.h"
#include "app/main_window.h"
#include "app/pack_text.h"
#include "csv/channel_csv.h"
#include "file/file_io.h"
#include "model/quoted_text.h"
#include "model/text_ids.h"
#include "places/local_path.h"

namespace hm3300::app {

namespace {

const QString kCsvFilter = QStringLiteral("CSV (*.csv)");

}  // namespace

void MainWindow::createCsvFileDialogs() {
    importCsvDialog_ = openFileDialog(menu_.fileImportCsv, kCsvFilter);
    exportCsvDialog_ =
        saveFileDialog(menu_.fileExportCsv, kCsvFilter, ReplaceQuestion::AskedByDialog);
}

void MainWindow::setCsvFileDialogs(FileNameDialog importDialog, FileNameDialog exportDialog) {
    replaceDialog(importCsvDialog_, std::move(importDialog));
    replaceDialog(exportCsvDialog_, std::move(exportDialog));
}

// The rows are imported into a copy, which replaces the document in one step: an import is
// one change of the codeplug, whatever number of channels it sets.
void MainWindow::importCsv() {
    if (!commitChannelEdit()) {
        return;
    }
    const QString path = importCsvDialog_(this, {});
    if (path.isEmpty()) {
        return;
    }
    const std::string localPath = places::localPath(path);
    std::string bytes;
    if (const auto error = file::readWholeFile(localPath, csv::kMaxChannelCsvSize, bytes)) {
        showWarning(*error);
        return;
    }
    model::Codeplug imported = document_.codeplug();
    csv::CsvImport result;
    if (const auto error = csv::importChannelsCsv(bytes, imported, document_.texts(), result)) {
        showWarning({model::TextId::AboutThing, {model::quotedText(localPath), error->message}});
        return;
    }
    if (imported != document_.codeplug()) {
        document_.replaceCodeplug(std::move(imported));
    }
    if (!result.reports.empty()) {
        QStringList rows;
        for (const csv::RowReport& report : result.reports) {
            rows.append(messageText(csv::describeRow(report), document_.pack()));
        }
        message_->showWarning(model::TextId::CsvRowsReported,
                              QString::fromStdString(model::quotedText(localPath)) +
                                  QStringLiteral("\n") + rows.join(QStringLiteral("\n")));
    }
}

void MainWindow::exportCsv() {
    if (!commitChannelEdit()) {
        return;
    }
    const QString path = exportCsvDialog_(this, {});
    if (path.isEmpty()) {
        return;
    }
    if (const auto error =
            file::replaceFile(places::localPath(path),
                              csv::exportChannelsCsv(document_.codeplug(), document_.texts()))) {
        showWarning(*error);
    }
}

}  // namespace hm3300::app

// File → Import CSV and Export CSV from the main window.

#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "app/confirm_dialog.h"
#include "csv/channel_csv.h"
#include "model/text_ids.h"
#include "shell_fixture.h"

namespace hm3300::app::test {

namespace {

using model::ChannelField;

class CsvCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        importPath_.clear();
        exportPath_.clear();
        folder_ = std::make_unique<AppFolder>();
        window_ = folder_->start();
        window_->setCsvFileDialogs([this](QWidget*, const QString&) { return importPath_; },
                                   [this](QWidget*, const QString&) { return exportPath_; });
        window_->menu().languages[1]->trigger();
        // Band 1 at 400-470 MHz is active, with the 25 kHz step.
        model::Codeplug& codeplug = window_->document().codeplug();
        model::selectOrAddBand(codeplug.bands[model::BandListId::BAND_Rx], "400-470MHz");
        model::Channel& channel = codeplug.channels.row(1);
        channel[ChannelField::RxFreq] = "435.12500";
        channel.fillNewChannelDefaults(window_->document().texts());
        channel[ChannelField::Dtmf] = "ON";
        window_->document().notifyReplaced();
    }

    void cleanup() {
        window_.reset();
        folder_.reset();
    }

    void theMenuItemsSpeakTheLanguage() {
        QCOMPARE(window_->menu().fileImportCsv->text(), QStringLiteral("&Import CSV..."));
        QCOMPARE(window_->menu().fileExportCsv->text(), QStringLiteral("Expor&t CSV..."));
    }

    void importSetsTheChannelsInOneStepAndListsTheRowsItSkippedOrChanged() {
        folder_->write(QStringLiteral("in.csv"),
                       "Location,Name,Frequency,Duplex,Offset,Mode\r\n"
                       "1,ch1,435.5,+,5,NFM\r\n"
                       "2,repeater,436,,,FM\r\n"
                       "3,am,437,,,AM\r\n");
        importPath_ = folder_->file(QStringLiteral("in.csv"));
        const QSignalSpy replaced(&window_->document(), &Document::replaced);
        QString text;
        QString detail;
        const ModalAnswer answer([&](QWidget*) {
            text = window_->message().textLabel()->text();
            detail = window_->message().detailText()->toPlainText();
            QTest::mouseClick(window_->message().okButton(), Qt::LeftButton);
        });
        window_->menu().fileImportCsv->trigger();

        QCOMPARE(replaced.count(), 1);
        const model::ChannelTable& channels = window_->document().codeplug().channels;
        QCOMPARE(channels.row(1)[ChannelField::TxFreq], "440.50000");
        QCOMPARE(channels.row(1)[ChannelField::Bandwidth], "Narrow");
        QCOMPARE(channels.row(1)[ChannelField::Dtmf], "ON");
        QCOMPARE(channels.row(2)[ChannelField::Alias], "REPEAT");
        QCOMPARE(channels.row(2)[ChannelField::Power], "High");
        QVERIFY(!channels.row(3).exists());
        QVERIFY(answer.answered());
        QCOMPARE(text, QStringLiteral("These rows of the CSV file were not imported as they are:"));
        QVERIFY2(detail.endsWith(QStringLiteral(
                     "in.csv\"\nline 3, location 2: Name \"repeater\" is cut to \"REPEAT\", six "
                     "characters\nline 4, location 3: Mode \"AM\" cannot be represented: this "
                     "radio has FM (wide) and NFM (narrow); the row is skipped")),
                 qPrintable(detail));
    }

    void aCsvThatCannotBeReadIsReportedAndChangesNothing() {
        folder_->write(QStringLiteral("broken.csv"), "Location,Frequency\r\n1,\"435\r\n");
        importPath_ = folder_->file(QStringLiteral("broken.csv"));
        const model::Codeplug before = window_->document().codeplug();
        const QSignalSpy replaced(&window_->document(), &Document::replaced);
        const QString text = warningShownBy([this] { window_->importCsv(); });
        QVERIFY2(text.endsWith(QStringLiteral(
                     "broken.csv\": line 2, field 2: the quoted field is never closed")),
                 qPrintable(text));
        QCOMPARE(replaced.count(), 0);
        QVERIFY(window_->document().codeplug() == before);
    }

    void exportSavesTheChannelsAndCancelDoesNothing() {
        window_->exportCsv();
        QVERIFY(!QFile::exists(folder_->file(QStringLiteral("out.csv"))));

        exportPath_ = folder_->file(QStringLiteral("out.csv"));
        window_->menu().fileExportCsv->trigger();
        QCOMPARE(
            folder_->read(QStringLiteral("out.csv")).toStdString(),
            csv::exportChannelsCsv(window_->document().codeplug(), window_->document().texts()));
        QVERIFY(folder_->read(QStringLiteral("out.csv")).contains("\r\n1,,435.125000,"));
    }

    void aFailedExportIsReported() {
        exportPath_ = folder_->file(QStringLiteral("no-such-folder/out.csv"));
        const QString text = warningShownBy([this] { window_->exportCsv(); });
        QVERIFY2(text.contains(QStringLiteral("out.csv")), qPrintable(text));
    }

private:
    // The text of the message box that `command` shows, which is then closed.
    static QString warningShownBy(const std::function<void()>& command) {
        QString text;
        const ModalAnswer answer([&text](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            QVERIFY(box);
            text = box->text();
            box->accept();
        });
        command();
        return text;
    }

    std::unique_ptr<AppFolder> folder_;
    std::unique_ptr<MainWindow> window_;
    QString importPath_;
    QString exportPath_;
};

}  // namespace

int runCsvCommandsTests(int argc, char** argv) {
    CsvCommandsTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace hm3300::app::test

#include "csv_commands_test.moc"

// The Read and Write commands and the programming dialog against the virtual radio. A full
// run takes over 20 seconds at the protocol's fixed waits, so one read and one write are
// run in all; the failures are quick.

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QtTest>
#include <vector>

#include "app/channel_edit_page.h"
#include "app/channel_grid.h"
#include "app/confirm_dialog.h"
#include "app/programming_dialog.h"
#include "app/write_problems_dialog.h"
#include "shell_fixture.h"
#include "support/environment.h"
#include "support/virtual_radio.h"

namespace hm3300::app::test {

namespace {

struct MessageRecord {
    QString caption;
    QString text;
    QString detail;
    editor::PendingCommand pendingCommand = editor::PendingCommand::None;
};

// Answers every message of the window's ConfirmDialog with OK, keeping what it said.
class MessageAnswerer {
public:
    explicit MessageAnswerer(ConfirmDialog& message) {
        QObject::connect(&poll_, &QTimer::timeout, [this, &message] {
            if (!message.isVisible()) {
                return;
            }
            const QPlainTextEdit* detail = message.detailText();
            messages_.push_back({message.windowTitle(), message.textLabel()->text(),
                                 detail->isVisible() ? detail->toPlainText() : QString(),
                                 message.pendingCommand()});
            message.okButton()->click();
        });
        poll_.start(20);
    }

    const std::vector<MessageRecord>& messages() const { return messages_; }

private:
    QTimer poll_;
    std::vector<MessageRecord> messages_;
};

// What the operator saw of the programming dialog.
struct DialogRecord {
    bool shown = false;
    QString caption;
    QString startCaption;
    QString closeCaption;
    QString status;
    QString pacing;
    int gaugeMaximum = -1;
    int gaugeValueAtShow = -1;
    bool startHasFocus = false;
    int gaugeValueAfterRun = -1;
    bool startEnabledAfterRun = false;
    bool closed = false;
};

// Runs `command` (readFromRadio or writeToRadio); once the programming dialog is open, `whileOpen`
// acts on it, then the dialog is closed with its close button.
DialogRecord runCommand(MainWindow& window, void (MainWindow::*command)(),
                        const std::function<void(ProgrammingDialog&)>& whileOpen) {
    DialogRecord record;
    ProgrammingDialog& dialog = window.programmingDialog();
    // Only the dialog: the port warning is answered by the test's MessageAnswerer.
    const ModalAnswer answer(
        [&](QWidget*) {
            record.shown = true;
            record.caption = dialog.windowTitle();
            record.startCaption = dialog.startButton()->text();
            record.closeCaption = dialog.closeButton()->text();
            record.status = dialog.statusText();
            record.pacing = dialog.pacingText();
            record.gaugeMaximum = dialog.gauge()->maximum();
            record.gaugeValueAtShow = dialog.gauge()->value();
            record.startHasFocus = dialog.focusWidget() == dialog.startButton();
            whileOpen(dialog);
            record.gaugeValueAfterRun = dialog.gauge()->value();
            record.startEnabledAfterRun = dialog.startButton()->isEnabled();
            dialog.closeButton()->click();
            record.closed = !dialog.isVisible();
        },
        &dialog);
    (window.*command)();
    return record;
}

// Presses the start button; the run ends before the press returns.
void startRun(ProgrammingDialog& dialog) {
    dialog.startButton()->click();
}

void openSample(MainWindow& window) {
    QVERIFY(!window.openCodeplugFile(QStringLiteral(HM3300_SOURCE_DIR "/samples/sample.p46")));
}

QTableView* channelGrid(const MainWindow& window) {
    return window.channelEditPage()->grid();
}

QString selectedBand(const MainWindow& window, const char* list) {
    return window.findChild<QComboBox*>(QString::fromLatin1(list))->currentText();
}

}  // namespace

class ProgrammingDialogTest : public QObject {
    Q_OBJECT

private slots:
    void missingPortIsReportedAndNoDialogOpens() {
        const AppFolder folder;
        auto window = folder.start(folder.file(QStringLiteral("no-such-port")));
        const MessageAnswerer answerer(window->message());
        const DialogRecord dialog =
            runCommand(*window, &MainWindow::readFromRadio, [](ProgrammingDialog&) {});
        QVERIFY(!dialog.shown);
        QCOMPARE(answerer.messages().size(), std::size_t{1});
        const MessageRecord& message = answerer.messages().front();
        QCOMPARE(message.caption, QStringLiteral("警告"));
        QVERIFY(message.text.startsWith(QStringLiteral("无法打开通信端口")));
        // The reason and what to do, in the window's language.
        QVERIFY2(message.detail.contains(QStringLiteral("不存在：请检查写频线")),
                 qPrintable(message.detail));
        QVERIFY2(!message.detail.contains(QStringLiteral("does not exist")),
                 qPrintable(message.detail));
        QCOMPARE(message.pendingCommand, editor::PendingCommand::MessageOnly);
    }

    // A radio that never answers: 6 handshakes and the end command, about a second.
    void silentRadioFailsAndCloseIsRefusedDuringTheRun() {
        const testing::TemporaryFolder radioFolder;
        const testing::VirtualRadio radio(radioFolder, {"--silent"});
        QVERIFY(!radio.port().empty());
        const AppFolder folder;
        auto window = folder.start(QString::fromStdString(radio.port()));
        window->menu().languages[1]->trigger();
        window->pages()->setCurrentIndex(kDtmfPage);
        const MessageAnswerer answerer(window->message());

        bool runningAtClose = false;
        bool startEnabledDuringRun = true;
        bool visibleAfterClose = false;
        std::size_t messagesDuringRun = 0;
        const DialogRecord dialog =
            runCommand(*window, &MainWindow::readFromRadio, [&](ProgrammingDialog& d) {
                QTimer::singleShot(400, &d, [&] {
                    runningAtClose = d.runInProgress();
                    startEnabledDuringRun = d.startButton()->isEnabled();
                    messagesDuringRun = answerer.messages().size();
                    d.closeButton()->click();
                    QTest::keyClick(&d, Qt::Key_Escape);
                    visibleAfterClose = d.isVisible();
                });
                startRun(d);
            });

        QCOMPARE(window->pages()->currentIndex(), static_cast<int>(kChannelEditPage));
        QVERIFY(dialog.shown);
        QCOMPARE(dialog.caption, QStringLiteral("Read from radio"));
        QCOMPARE(dialog.startCaption, QStringLiteral("Read"));
        QCOMPARE(dialog.closeCaption, QStringLiteral("Close"));
        QCOMPARE(dialog.status, QStringLiteral("     HM-3300D Programming Software"));
        QCOMPARE(dialog.pacing, QStringLiteral("Standard link (fixed waits)"));
        QCOMPARE(dialog.gaugeMaximum, 138);
        QCOMPARE(dialog.gaugeValueAtShow, 0);
        QVERIFY(dialog.startHasFocus);

        QVERIFY(runningAtClose);
        QVERIFY(!startEnabledDuringRun);
        QVERIFY(visibleAfterClose);
        QCOMPARE(messagesDuringRun, std::size_t{0});
        QVERIFY(dialog.startEnabledAfterRun);
        QVERIFY(dialog.closed);

        QCOMPARE(answerer.messages().size(), std::size_t{1});
        const MessageRecord& message = answerer.messages().front();
        QCOMPARE(message.caption, QStringLiteral("Warning"));
        QVERIFY(message.text.startsWith(QStringLiteral("Communication with the radio failed")));
        QVERIFY2(message.detail.startsWith(QStringLiteral("handshake failed")),
                 qPrintable(message.detail));
        // The trace of the run is kept for a bug report, and the warning says where.
        QString tracePath = message.detail.section(QStringLiteral(" is kept in "), 1);
        tracePath.chop(1);  // the full stop
        QVERIFY2(tracePath.endsWith(QStringLiteral("last-run.trace")), qPrintable(message.detail));
        QFile trace(tracePath);
        QVERIFY(trace.open(QIODevice::ReadOnly));
        QVERIFY(trace.readAll().contains("02 05 4B 6F 70 72 61 40"));
        QCOMPARE(message.pendingCommand, editor::PendingCommand::MessageOnly);
    }

    // The single-head cable echoes every frame: with the window in single-head mode the
    // link drops the echo, so the handshake and ready wait pass and the read fails only
    // at the band block, which this radio answers with garbage. The failed read leaves the
    // codeplug the window showed.
    void singleHeadModeDropsTheCableEchoAndAFailedReadKeepsTheCodeplug() {
        const testing::TemporaryFolder radioFolder;
        const testing::VirtualRadio radio(radioFolder, {"--single-head", "--garbage", "0CC0:5"});
        QVERIFY(!radio.port().empty());
        const AppFolder folder;
        folder.write(QStringLiteral("myini.ini"), "[open]\ncommode=12\n");
        auto window = folder.start(QString::fromStdString(radio.port()));
        QCOMPARE(window->commMode(), kSingleHead);
        openSample(*window);
        const model::Codeplug shown = window->document().codeplug();
        const MessageAnswerer answerer(window->message());

        runCommand(*window, &MainWindow::readFromRadio, startRun);

        QCOMPARE(answerer.messages().size(), std::size_t{1});
        const QString& detail = answerer.messages().front().detail;
        QVERIFY2(detail.startsWith(QStringLiteral("频段块失败：意外的应答")), qPrintable(detail));
        QVERIFY(window->document().codeplug() == shown);
        QCOMPARE(channelGrid(*window)->model()->index(0, 1).data().toString(),
                 QString::fromStdString(shown.channels.row(1)[model::ChannelField::RxFreq]));
    }

    // The write check runs before the port is opened: the dialog does not open, nothing
    // reaches the radio, and every problem is listed by channel and field in the window's
    // language. Double-clicking a problem shows its cell.
    void unwritableCodeplugSendsNothingAndListsEveryProblem() {
        const testing::TemporaryFolder radioFolder;
        const testing::VirtualRadio radio(radioFolder);
        QVERIFY(!radio.port().empty());
        const AppFolder folder;
        auto window = folder.start(QString::fromStdString(radio.port()));
        model::Codeplug& codeplug = window->document().codeplug();
        for (const int number : {1, 7}) {
            model::Channel& channel = codeplug.channels.row(number);
            channel[model::ChannelField::RxFreq] = "435.12500";
            channel.fillNewChannelDefaults(window->document().texts());
        }
        codeplug.channels.row(7)[model::ChannelField::TxFreq] = "";
        codeplug.channels.row(1)[model::ChannelField::RxTone] = "99.9";
        codeplug.settings.setNumber(model::Option::Digit_Time, 105);
        codeplug.bands[model::BandListId::BAND_Rx] = {{"400-470MHz"}, 0};
        window->document().notifyReplaced();
        window->pages()->setCurrentIndex(kDtmfPage);

        QString headline;
        QStringList problems;
        const ModalAnswer answer([&](QWidget* dialog) {
            auto* list = qobject_cast<WriteProblemsDialog*>(dialog)->list();
            headline = qobject_cast<WriteProblemsDialog*>(dialog)->headline()->text();
            for (int row = 0; row < list->count(); ++row) {
                problems.append(list->item(row)->text());
            }
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            const QRect cell = list->visualItemRect(list->item(1));
            // An item view takes a double click as the second press on the pressed item.
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
            if (dialog->isVisible()) {
                dialog->close();  // the test fails below; the run must not hang
            }
        });
        const DialogRecord dialog = runCommand(*window, &MainWindow::writeToRadio, startRun);

        QVERIFY(!dialog.shown);
        QVERIFY(answer.answered());
        QVERIFY2(headline.startsWith(QStringLiteral("写频数据无法写入电台")), qPrintable(headline));
        QCOMPARE(
            problems,
            QStringList({QStringLiteral("信道 001 QT/DQT解码：\"99.9\" 不在亚音列表中；请使用 "
                                        "\"禁用\"、CTCSS 亚音 63.0 至 254.1 或 DCS 码 "
                                        "D017N 至 D754N、D017I 至 D754I"),
                         QStringLiteral("信道 007 发射频率：发射频率为空；信道需要发射频率"
                                        "（格式 145.12500）"),
                         QStringLiteral("DTMF持续时间[毫秒]：105 电台无法保存；允许 50 至 200，"
                                        "步进 10")}));
        QVERIFY(radio.log().empty());
        // The double-clicked problem: channel 7's transmit frequency in the grid.
        QCOMPARE(window->pages()->currentIndex(), static_cast<int>(kChannelEditPage));
        QCOMPARE(channelGrid(*window)->currentIndex().row(), 6);
        QCOMPARE(channelGrid(*window)->currentIndex().column(), 3);
    }

    // With unsaved changes the read asks first. The read replaces the codeplug as one step:
    // undo brings back the edited codeplug, and what was read counts as saved.
    void aReadAsksFirstAndIsOneStep() {
        const testing::TemporaryFolder radioFolder;
        const testing::VirtualRadio radio(radioFolder);
        QVERIFY(!radio.port().empty());
        const AppFolder folder;
        auto window = folder.start(QString::fromStdString(radio.port()));
        window->menu().fastLink->trigger();
        openSample(*window);
        Document& document = window->document();
        document.codeplug().channels.row(1)[model::ChannelField::Alias] = "EDITED";
        document.finishStep();
        const model::Codeplug edited = document.codeplug();

        {
            const ModalAnswers answers({pressButton(QMessageBox::Cancel)});
            window->readFromRadio();
            QCOMPARE(answers.dialogs().size(), 1);
        }
        QVERIFY(document.codeplug() == edited);

        const ModalAnswers answers({pressButton(QMessageBox::Discard), [](QWidget* dialog) {
                                        auto* programming =
                                            qobject_cast<ProgrammingDialog*>(dialog);
                                        QVERIFY(programming);
                                        programming->startButton()->click();
                                        programming->closeButton()->click();
                                    }});
        window->readFromRadio();
        QCOMPARE(answers.dialogs().size(), 2);
        const model::ChannelTable read = document.codeplug().channels;
        QVERIFY(!(read == edited.channels));
        QVERIFY(!window->isWindowModified());
        QCOMPARE(window->currentFile(), QString());

        window->undo();
        QVERIFY(document.codeplug().channels == edited.channels);
        QVERIFY(document.codeplug().settings == edited.settings);
        window->redo();
        QVERIFY(document.codeplug().channels == read);
    }

    // The sample written into a fresh radio with the protocol's fixed waits, then read back
    // into a fresh window over the fast link, which keeps a backup of the read.
    void writeThenReadBack() {
        const testing::TemporaryFolder radioFolder;
        const testing::VirtualRadio radio(radioFolder);
        QVERIFY(!radio.port().empty());
        model::ChannelTable written;
        {
            const AppFolder folder;
            auto window = folder.start(QString::fromStdString(radio.port()));
            openSample(*window);
            written = window->document().codeplug().channels;
            const MessageAnswerer answerer(window->message());
            const DialogRecord dialog = runCommand(*window, &MainWindow::writeToRadio, startRun);
            QVERIFY(answerer.messages().empty());
            QCOMPARE(dialog.gaugeValueAfterRun, 148);
            QVERIFY(dialog.startEnabledAfterRun);
            QVERIFY(dialog.closed);
        }

        const AppFolder folder;
        const testing::ScopedVariable data("XDG_DATA_HOME", folder.file("data").toStdString());
        auto window = folder.start(QString::fromStdString(radio.port()));
        window->menu().fastLink->trigger();
        QVERIFY(window->fastLink());
        const MessageAnswerer answerer(window->message());
        const DialogRecord dialog = runCommand(*window, &MainWindow::readFromRadio, startRun);
        QVERIFY(answerer.messages().empty());
        QCOMPARE(dialog.pacing, QStringLiteral("快速连接"));
        QCOMPARE(dialog.gaugeValueAfterRun, 138);
        // What was done stays in the status bar.
        const QString done = window->statusBar()->currentMessage();
        QVERIFY2(done.startsWith(QStringLiteral("已从 %1 读出 12 个信道，用时 ")
                                     .arg(QString::fromStdString(radio.port()))),
                 qPrintable(done));

        const QTableView* grid = channelGrid(*window);
        for (int number = 1; number <= model::ChannelTable::kRows; ++number) {
            for (int column = 1; column <= model::kVisibleFieldCount; ++column) {
                const auto field = static_cast<model::ChannelField>(column - 1);
                QCOMPARE(grid->model()->index(number - 1, column).data().toString(),
                         QString::fromStdString(written.row(number)[field]));
            }
        }
        // The virtual radio's bands were added to the empty band lists and selected.
        QCOMPARE(selectedBand(*window, "BAND_Rx"), QStringLiteral("400-470MHz"));
        QCOMPARE(selectedBand(*window, "BAND_Rx1"), QStringLiteral("136-174MHz"));
        QCOMPARE(window->document().settings().text(model::Option::Call1), std::string("2001"));

        // The status bar names the backup after the summary.
        const QString status = done.section(QStringLiteral("; "), 1);
        const QString prefix =
            QStringLiteral("已备份: ") + folder.file(QStringLiteral("data/hm3300d/backups/"));
        QVERIFY2(status.startsWith(prefix) && status.endsWith(QStringLiteral(".p46")),
                 qPrintable(status));
        QFile backup(status.mid(QStringLiteral("已备份: ").size()));
        QVERIFY(backup.open(QIODevice::ReadOnly));
        QFile sample(QStringLiteral(HM3300_SOURCE_DIR "/samples/sample.p46"));
        QVERIFY(sample.open(QIODevice::ReadOnly));
        QCOMPARE(backup.readAll(), sample.readAll());
    }
};

int runProgrammingDialogTests(int argc, char** argv) {
    ProgrammingDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace hm3300::app::test

#include "programming_dialog_test.moc"

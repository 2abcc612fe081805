// New, Open and Save from the main window.

#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

#include "app/confirm_dialog.h"
#include "editor/confirm_actions.h"
#include "shell_fixture.h"

namespace hm3300::app::test {

namespace {

// Every option the file carries moved off its default; a few channels in the current words.
void editCodeplug(Document& document) {
    model::RadioSettings& settings = document.settings();
    for (const model::OptionDefinition& definition : model::allOptions()) {
        switch (definition.kind) {
            case model::OptionKind::Choice:
                settings.setChoice(
                    definition.option,
                    (static_cast<int>(definition.defaultValue) + 1) % definition.itemCount);
                break;
            case model::OptionKind::Flag:
                settings.setFlag(definition.option, definition.defaultValue == 0);
                break;
            case model::OptionKind::Number:
                settings.setNumber(definition.option, definition.defaultValue == definition.minimum
                                                          ? definition.maximum
                                                          : definition.minimum);
                break;
            case model::OptionKind::Text:
                settings.setText(definition.option, definition.charset == model::TextCharset::Digits
                                                        ? "123456"
                                                        : "9A*#");
                break;
        }
    }
    model::Codeplug& codeplug = document.codeplug();
    for (const int number : {1, 64, 128}) {
        model::Channel& channel = codeplug.channels.row(number);
        channel[model::ChannelField::RxFreq] = "145.12500";
        channel.fillNewChannelDefaults(document.texts());
        channel[model::ChannelField::TxFreq] = "145.72500";
        channel[model::ChannelField::RxTone] = "D023N";
        channel[model::ChannelField::Power] = document.texts().LowText;
        channel[model::ChannelField::Alias] = "RPT" + std::to_string(number);
        channel[model::ChannelField::RxCode] = "53";
    }
    model::selectOrAddBand(codeplug.bands[model::BandListId::BAND_Rx], "136-174MHz");
    model::selectOrAddBand(codeplug.bands[model::BandListId::BAND_Tx], "136-174MHz");
    model::selectOrAddBand(codeplug.bands[model::BandListId::BAND_Rx1], "400-470MHz");
    model::selectOrAddBand(codeplug.bands[model::BandListId::BAND_Tx1], "400-470MHz");
    document.notifyReplaced();
}

// What Open brings back of `saved` after New: the file carries neither the password nor
// its switch, and New leaves the spare key alone.
model::Codeplug reopened(model::Codeplug saved) {
    saved.settings.setText(model::Option::Password, "580417");
    saved.settings.setFlag(model::Option::ChangePassword, false);
    return saved;
}

void pressOk(QWidget* dialog) {
    if (auto* message = qobject_cast<ConfirmDialog*>(dialog)) {
        QTest::mouseClick(message->okButton(), Qt::LeftButton);
    } else if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        box->accept();
    }
}

QString messageText(QWidget* dialog) {
    auto* box = qobject_cast<QMessageBox*>(dialog);
    return box ? box->text() : QString();
}

class FileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        openPath_.clear();
        savePath_.clear();
        folder_ = std::make_unique<AppFolder>();
        window_ = folder_->start();
        window_->setFileDialogs([this](QWidget*, const QString&) { return openPath_; },
                                [this](QWidget*, const QString&) { return savePath_; });
        editCodeplug(window_->document());
        window_->document().settings().setChoice(model::Option::SpareKeyAssignment, 2);
        // As if just opened: nothing to save, so New asks only its own question.
        window_->document().markSaved();
    }

    void cleanup() {
        window_.reset();
        folder_.reset();
    }

    void newThenCancelChangesNothing() {
        const model::Codeplug before = window_->document().codeplug();
        QString caption;
        QString text;
        const ModalAnswer answer([&](QWidget* dialog) {
            caption = dialog->windowTitle();
            text = window_->message().textLabel()->text();
            QTest::mouseClick(window_->message().cancelButton(), Qt::LeftButton);
        });
        window_->newFile();
        QVERIFY(answer.answered());
        QCOMPARE(caption, QStringLiteral("确认"));
        QVERIFY(text.contains(QStringLiteral("是否继续")));
        QVERIFY(window_->document().codeplug() == before);
        QCOMPARE(window_->message().pendingCommand(), editor::PendingCommand::NewCodeplug);
    }

    void newThenOkResetsOptionsAndChannels() {
        const model::BandLists bands = window_->document().codeplug().bands;
        const ModalAnswer answer(pressOk);
        window_->menu().newButton->trigger();
        QVERIFY(answer.answered());

        const model::Codeplug& codeplug = window_->document().codeplug();
        QVERIFY(codeplug.channels == model::ChannelTable{});
        QVERIFY(codeplug.bands == bands);
        model::RadioSettings expected;
        expected.setChoice(model::Option::SpareKeyAssignment, 2);
        QVERIFY(codeplug.settings == expected);
        QCOMPARE(codeplug.settings.text(model::Option::Call0), "1000");
        QCOMPARE(window_->message().pendingCommand(), editor::PendingCommand::MessageOnly);
        // The pages show the reset values.
        auto* pttId = window_->findChild<QComboBox*>(QStringLiteral("PTT ID"));
        QVERIFY(pttId);
        QCOMPARE(pttId->currentIndex(), 0);
    }

    void saveThenOpenRestoresEverySettingAndChannel() {
        const model::Codeplug saved = window_->document().codeplug();
        saveAs(QStringLiteral("radio"));
        QVERIFY(QFile::exists(savePath_ + QStringLiteral(".p46")));

        const ModalAnswer answer(pressOk);
        window_->newFile();
        QVERIFY(answer.answered());
        window_->document().codeplug().bands = {};

        openPath_ = savePath_ + QStringLiteral(".p46");
        window_->pages()->setCurrentIndex(kOtherPage);
        window_->menu().fileOpen->trigger();
        QVERIFY(window_->document().codeplug() == reopened(saved));
        QCOMPARE(window_->windowTitle(), QStringLiteral("HM-3300D    [136-174MHz][*]"));
        QCOMPARE(window_->pages()->currentIndex(), static_cast<int>(kChannelEditPage));
        auto* pttId = window_->findChild<QComboBox*>(QStringLiteral("PTT ID"));
        QCOMPARE(pttId->currentIndex(), saved.settings.choice(model::Option::PTT_ID));
    }

    void cancelledDialogsDoNothing() {
        const model::Codeplug before = window_->document().codeplug();
        window_->openFile();
        window_->saveFile();
        QVERIFY(window_->document().codeplug() == before);
        QCOMPARE(window_->windowTitle(), QStringLiteral("KW3300[*]"));
    }

    // The header differs by one trailing blank: nothing is opened, and the operator is told.
    void aFileThatIsNoCodeplugIsSaidToBeNone() {
        saveAs(QStringLiteral("good.p46"));
        QByteArray content = folder_->read(QStringLiteral("good.p46"));
        content.replace("HM-3300 MEMORY CHANNEL", "HM-3300 MEMORY CHANNEL ");
        folder_->write(QStringLiteral("other.p46"), content);
        resetCodeplug();
        window_->menu().languages[1]->trigger();

        const model::Codeplug before = window_->document().codeplug();
        openPath_ = folder_->file(QStringLiteral("other.p46"));
        const QString reason = warningOf(&MainWindow::openFile);
        QVERIFY2(reason.startsWith(QStringLiteral("This file is not an HM-3300D codeplug.\n")),
                 qPrintable(reason));
        QVERIFY2(reason.endsWith(QStringLiteral("other.p46")), qPrintable(reason));
        QVERIFY(window_->document().codeplug() == before);
        QCOMPARE(window_->windowTitle(), QStringLiteral("KW3300[*]"));
    }

    void aMalformedFileIsReportedWithItsLineAndChangesNothing() {
        saveAs(QStringLiteral("good.p46"));
        QByteArray content = folder_->read(QStringLiteral("good.p46"));
        const qsizetype line27 = content.indexOf("Digit Time ");
        QVERIFY(line27 > 0);
        content.insert(line27 + 11, "x");
        folder_->write(QStringLiteral("bad.p46"), content);
        resetCodeplug();

        const model::Codeplug before = window_->document().codeplug();
        openPath_ = folder_->file(QStringLiteral("bad.p46"));
        const QString reason = warningOf(&MainWindow::openFile);
        // In the window's language, Chinese here.
        QVERIFY2(reason.contains(QStringLiteral("第 27 行")), qPrintable(reason));
        QVERIFY2(!reason.contains(QStringLiteral("expects")), qPrintable(reason));
        QVERIFY(window_->document().codeplug() == before);
    }

    void whatOpenPassedOverIsShownInTheStatusBarUntilTheNextOpen() {
        saveAs(QStringLiteral("good.p46"));
        folder_->write(QStringLiteral("longer.p46"), folder_->read(QStringLiteral("good.p46")) +
                                                         "\r\nCH129 | 145.00000 | \r\n\r\n");
        openPath_ = folder_->file(QStringLiteral("longer.p46"));
        window_->openFile();
        const QString message = window_->statusBar()->currentMessage();
        QVERIFY2(message.endsWith(
                     QStringLiteral("longer.p46\"：第 188 行：最后一个信道行之后的 3 行被忽略")),
                 qPrintable(message));
        QVERIFY(window_->bannerText().startsWith(QStringLiteral("     ")));

        openPath_ = folder_->file(QStringLiteral("good.p46"));
        window_->openFile();
        QCOMPARE(window_->statusBar()->currentMessage(), QString());
    }

    void aMissingFileIsReported() {
        openPath_ = folder_->file(QStringLiteral("missing.p46"));
        const QString reason = warningOf(&MainWindow::openFile);
        QVERIFY2(reason.contains(QStringLiteral("missing.p46")), qPrintable(reason));
    }

    void aFailedSaveIsReported() {
        savePath_ = folder_->file(QStringLiteral("no-such-folder/new.p46"));
        const QString reason = warningOf(&MainWindow::saveFile);
        QVERIFY2(reason.contains(QStringLiteral("new.p46")), qPrintable(reason));
    }

private:
    // Saves into the folder under `name`. A failed save would wait in its warning box for
    // an operator; here the box is closed and the test fails.
    void saveAs(const QString& name) {
        savePath_ = folder_->file(name);
        const ModalAnswer unexpected(pressOk);
        window_->saveFile();
        QVERIFY(!unexpected.answered());
    }

    // Runs `command` and returns the text of the warning box it showed (closed with OK), or
    // an empty text when none showed.
    template <typename Result>
    QString warningOf(Result (MainWindow::*command)()) {
        QString text;
        const ModalAnswer answer([&](QWidget* dialog) {
            text = messageText(dialog);
            pressOk(dialog);
        });
        (window_.get()->*command)();
        return text;
    }

    void resetCodeplug() {
        const ModalAnswer answer(pressOk);
        window_->newFile();
        QVERIFY(answer.answered());
    }

    std::unique_ptr<AppFolder> folder_;
    std::unique_ptr<MainWindow> window_;
    QString openPath_;
    QString savePath_;
};

}  // namespace

int runFileCommandsTests(int argc, char** argv) {
    FileCommandsTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace hm3300::app::test

#include "file_commands_test.moc"

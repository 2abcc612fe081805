// Keeping the operator's work: the caption marks changes that are not saved, Quit, New, Open
// and Read ask before setting them aside, Save adds the extension and asks before replacing
// a file, and a file named on the command line is opened at start.

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "app/about_dialog.h"
#include "app/confirm_dialog.h"
#include "app/programming_dialog.h"
#include "file/codeplug_file.h"
#include "shell_fixture.h"

namespace hm3300::app::test {

namespace {

using model::ChannelField;

model::ChannelTable readChannels(const QString& path, const model::ValueTexts& texts) {
    model::Codeplug codeplug;
    std::vector<file::ReadNotice> notices;
    if (file::openCodeplug(path.toStdString(), codeplug, texts, notices)) {
        return {};
    }
    return codeplug.channels;
}

// A window without a usable port, on the file "start.p46" (one channel), then edited: a
// second channel added as one step.
class EditedWindow {
public:
    EditedWindow() : window_(folder_.start(folder_.file(QStringLiteral("no-such-port")))) {
        // Active, so that the window's shortcuts work.
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        window_->setFileDialogs([this](QWidget*, const QString&) { return openPath; },
                                [this](QWidget*, const QString& proposed) {
                                    proposedName = proposed;
                                    return savePath;
                                });
        model::Codeplug other;
        other.channels.row(7)[ChannelField::RxFreq] = "145.50000";
        other.channels.row(7).fillNewChannelDefaults(document().texts());
        QVERIFY(!file::saveCodeplug(folder_.file(QStringLiteral("other.p46")).toStdString(), other,
                                    document().pack()));
        addChannel(1, "435.12500");
        QVERIFY(!file::saveCodeplug(startFile().toStdString(), document().codeplug(),
                                    document().pack()));
        QVERIFY(!window_->openCodeplugFile(startFile()));
        QVERIFY(!window_->isWindowModified());
        addChannel(2, "446.00625");
        edited = document().codeplug();
    }

    MainWindow& window() { return *window_; }
    Document& document() { return window_->document(); }
    AppFolder& folder() { return folder_; }
    QString startFile() const { return folder_.file(QStringLiteral("start.p46")); }

    void addChannel(int row, const char* frequency) {
        model::Channel& channel = document().codeplug().channels.row(row);
        channel[ChannelField::RxFreq] = frequency;
        channel.fillNewChannelDefaults(document().texts());
        document().notifyChannelsChanged();
        document().finishStep();
    }

    model::Codeplug edited;
    QString openPath;
    QString savePath;
    QString proposedName;

private:
    AppFolder folder_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace

class UnsavedChangesTest : public QObject {
    Q_OBJECT

private slots:
    void theCaptionMarksChangesThatAreNotSaved() {
        EditedWindow edited;
        MainWindow& window = edited.window();
        QVERIFY(window.isWindowModified());
        QVERIFY(window.windowTitle().endsWith(QStringLiteral("[*]")));
        window.undo();
        QVERIFY2(!window.isWindowModified(), "back on the file as opened");
        window.redo();
        QVERIFY(window.isWindowModified());
        edited.savePath = edited.folder().file(QStringLiteral("saved"));
        QVERIFY(window.saveFile());
        QVERIFY(!window.isWindowModified());
    }

    void quitNewOpenAndReadAskFirst_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("answer");
        for (const char* command : {"quit", "new", "open", "read"}) {
            for (const auto answer :
                 {QMessageBox::Cancel, QMessageBox::Discard, QMessageBox::Save}) {
                QTest::addRow("%s, %s", command,
                              answer == QMessageBox::Cancel    ? "Cancel"
                              : answer == QMessageBox::Discard ? "Discard"
                                                               : "Save")
                    << QString::fromLatin1(command) << static_cast<int>(answer);
            }
        }
    }

    // Cancel keeps everything; Discard goes on; Save saves first, then goes on.
    void quitNewOpenAndReadAskFirst() {
        QFETCH(QString, command);
        QFETCH(int, answer);
        EditedWindow edited;
        MainWindow& window = edited.window();
        const QString other = edited.folder().file(QStringLiteral("other.p46"));
        edited.openPath = other;
        const QString saved = edited.folder().file(QStringLiteral("saved.p46"));
        edited.savePath = edited.folder().file(QStringLiteral("saved"));
        const QByteArray startFile = edited.folder().read(QStringLiteral("start.p46"));

        // Read goes on into the port that cannot be opened, and says so.
        const ModalAnswers answers(
            {pressButton(static_cast<QMessageBox::StandardButton>(answer)), pressConfirmOk});
        if (command == QStringLiteral("quit")) {
            window.close();
        } else if (command == QStringLiteral("new")) {
            window.newFile();
        } else if (command == QStringLiteral("open")) {
            window.openFile();
        } else {
            window.readFromRadio();
        }

        QVERIFY(!answers.dialogs().isEmpty());
        QVERIFY2(answers.dialogs().front().startsWith(
                     QStringLiteral("QMessageBox: 当前数据有未保存的修改")),
                 qPrintable(answers.dialogs().front()));
        QCOMPARE(edited.folder().read(QStringLiteral("start.p46")), startFile);
        QCOMPARE(QFileInfo::exists(saved), answer == QMessageBox::Save);
        if (answer == QMessageBox::Save) {
            QVERIFY(readChannels(saved, edited.document().texts()) == edited.edited.channels);
        }
        if (answer == QMessageBox::Cancel) {
            QCOMPARE(answers.dialogs().size(), 1);
            QVERIFY(edited.document().codeplug() == edited.edited);
            QVERIFY(window.isVisible());
            return;
        }
        // The command went on.
        if (command == QStringLiteral("quit")) {
            QVERIFY(!window.isVisible());
        } else if (command == QStringLiteral("new")) {
            QCOMPARE(answers.dialogs().size(), 1);
            QVERIFY(edited.document().codeplug().channels == model::ChannelTable{});
            QVERIFY(!window.isWindowModified());
        } else if (command == QStringLiteral("open")) {
            const model::ChannelTable& channels = edited.document().codeplug().channels;
            QVERIFY(channels.row(7) == readChannels(other, edited.document().texts()).row(7));
            QVERIFY(!channels.row(1).exists() && !channels.row(2).exists());
            QCOMPARE(window.currentFile(), other);
        } else {
            QCOMPARE(answers.dialogs().size(), 2);
            QVERIFY2(answers.dialogs()[1].startsWith(QStringLiteral("ConfirmDialog: 无法打开")),
                     qPrintable(answers.dialogs()[1]));
        }
    }

    void withNothingToSaveNoOneAsks() {
        EditedWindow edited;
        MainWindow& window = edited.window();
        window.undo();
        edited.openPath = edited.folder().file(QStringLiteral("other.p46"));
        const ModalAnswers answers({});
        window.openFile();
        QVERIFY(window.close());
        QVERIFY2(answers.dialogs().isEmpty(), qPrintable(answers.dialogs().join('\n')));
    }

    void saveProposesTheFileAddsTheExtensionAndAsksBeforeReplacing() {
        EditedWindow edited;
        MainWindow& window = edited.window();
        edited.savePath = edited.folder().file(QStringLiteral("copy"));
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(edited.proposedName, edited.startFile());
        const QString copy = edited.folder().file(QStringLiteral("copy.p46"));
        QCOMPARE(window.currentFile(), copy);
        const QByteArray first = edited.folder().read(QStringLiteral("copy.p46"));
        QVERIFY(first.startsWith("HM-3300 MEMORY CHANNEL\r\n"));

        edited.addChannel(3, "447.00000");
        {
            const ModalAnswers answers({pressConfirmCancel});
            QVERIFY(!window.saveFile());
            QCOMPARE(answers.dialogs().size(), 1);
            QVERIFY2(answers.dialogs().front().contains(QStringLiteral("copy.p46")),
                     qPrintable(answers.dialogs().front()));
        }
        QCOMPARE(edited.folder().read(QStringLiteral("copy.p46")), first);
        QVERIFY(window.isWindowModified());
        {
            const ModalAnswers answers({pressConfirmOk});
            QVERIFY(window.saveFile());
        }
        QVERIFY(edited.folder().read(QStringLiteral("copy.p46")) != first);
        QVERIFY(!window.isWindowModified());

        // A name with an extension of its own keeps it.
        edited.savePath = edited.folder().file(QStringLiteral("copy.txt"));
        QVERIFY(window.saveFile());
        QVERIFY(QFileInfo::exists(edited.savePath));
    }

    void fileShortcuts() {
        EditedWindow edited;
        MainWindow& window = edited.window();
        QCOMPARE(window.menu().help->shortcut(), QKeySequence(Qt::Key_F1));
        {
            const ModalAnswers answers({pressButton(QMessageBox::Cancel)});
            QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
            QCOMPARE(answers.dialogs().size(), 1);
        }
        window.undo();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const ModalAnswers answers({pressConfirmCancel});
        QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(answers.dialogs().size(), 1);
        QVERIFY(answers.dialogs().front().startsWith(QStringLiteral("ConfirmDialog: 此操作")));
    }

    void aFileNamedOnTheCommandLineIsOpened() {
        const AppFolder folder;
        QFile::copy(QStringLiteral(HM3300_SOURCE_DIR "/samples/sample.p46"),
                    folder.file(QStringLiteral("sample.p46")));
        const QString path = folder.file(QStringLiteral("sample.p46"));
        auto window = folder.start({}, path);
        QTRY_COMPARE(window->currentFile(), path);
        QVERIFY(window->document().codeplug().channels.row(1).exists());
        QVERIFY(!window->isWindowModified());
        QVERIFY(window->windowTitle().startsWith(QStringLiteral("HM-3300D    [")));

        // One that is no codeplug is said to be none.
        folder.write(QStringLiteral("notes.txt"), "shopping list\r\n");
        const ModalAnswers answers({pressButton(QMessageBox::Ok)});
        auto other = folder.start({}, folder.file(QStringLiteral("notes.txt")));
        QTRY_COMPARE(answers.dialogs().size(), 1);
        QVERIFY2(answers.dialogs().front().contains(QStringLiteral("此文件不是 HM-3300D 频率文件")),
                 qPrintable(answers.dialogs().front()));
        QCOMPARE(other->currentFile(), QString());
    }

    // The title bars offer closing only; the fixed-size window cannot be maximised.
    void dialogsHaveACloseButtonOnly() {
        const AppFolder folder;
        auto window = folder.start();
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        for (QDialog* dialog : std::initializer_list<QDialog*>{&window->message(), &window->about(),
                                                               &window->programmingDialog()}) {
            const Qt::WindowFlags flags = dialog->windowFlags();
            QVERIFY2(flags & Qt::WindowCloseButtonHint, dialog->metaObject()->className());
            QVERIFY(!(flags & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowContextHelpButtonHint)));
        }
    }
};

int runUnsavedChangesTests(int argc, char** argv) {
    UnsavedChangesTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace hm3300::app::test

#include "unsaved_changes_test.moc"

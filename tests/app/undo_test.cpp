// Undo and redo over every kind of change the operator makes in the window.

#include <QComboBox>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include "app/cell_text_edit.h"
#include "app/confirm_dialog.h"
#include "editing_window.h"
#include "file/codeplug_file.h"

namespace hm3300::app::test {

namespace {

using model::ChannelField;
namespace Column = editor::GridColumn;

// What undo takes back: the channels and the radio settings.
struct Edition {
    model::ChannelTable channels;
    model::RadioSettings settings;
    bool operator==(const Edition&) const = default;
};

Edition editionOf(const Document& document) {
    return {document.codeplug().channels, document.codeplug().settings};
}

}  // namespace

class UndoTest : public QObject {
    Q_OBJECT

private slots:
    // A sequence of one change of each kind, then every step undone back to the file saved
    // at the start, byte for byte, and redone to the file saved at the end.
    void everyKindOfChangeIsUndoneAndRedone() {
        EditingWindow editing;
        MainWindow& window = editing.window();
        ChannelEditPage& channelsPage = *window.channelEditPage();
        const QString start = editing.save(QStringLiteral("start.p46"));
        QVERIFY(!window.isWindowModified());
        QVERIFY(!window.menu().undo->isEnabled());

        // A file to open, with the window's bands so that Open selects what is selected.
        model::Codeplug other = editing.document().codeplug();
        other.channels.row(9)[ChannelField::RxFreq] = "445.00000";
        other.channels.row(9).fillNewChannelDefaults(editing.texts());
        other.settings.setChoice(model::Option::step, 2);
        const QString otherFile = editing.folder().file(QStringLiteral("other.p46"));
        QVERIFY(!file::saveCodeplug(otherFile.toStdString(), other, editing.document().pack()));

        std::vector<Edition> steps{editionOf(editing.document())};
        const auto stepDone = [&](const char* what) {
            QCoreApplication::processEvents();
            const Edition now = editionOf(editing.document());
            QVERIFY2(!(now == steps.back()), what);
            steps.push_back(now);
        };

        editing.typeChannel(1, "435");
        stepDone("cell commit");
        editing.click(1, Column::Power);
        stepDone("toggle");

        // One press and hold adds three channels in one step.
        editing.click(3, Column::RxFreq);
        QPushButton* autoAdd = editing.button("autoAddButton");
        QTest::mousePress(autoAdd, Qt::LeftButton);
        for (int tick = 0; tick < 2; ++tick) {
            QVERIFY(QMetaObject::invokeMethod(channelsPage.autoAddTimer(), "timeout"));
        }
        QTest::mouseRelease(autoAdd, Qt::LeftButton);
        QVERIFY(editing.channel(5).exists());
        stepDone("auto add");

        editing.click(4, Column::RxFreq);
        editing.button("moveDownButton")->click();
        stepDone("move");
        editing.button("deleteChannelButton")->click();
        stepDone("delete");

        window.pages()->setCurrentIndex(kChannelPage);
        editing.page().channelNumber()->setValue(1);
        clickBox(editing.page().switchBox(ChannelField::BusyLock));
        stepDone("single-channel page");

        window.pages()->setCurrentIndex(kFunctionPage);
        auto* apo = window.findChild<QComboBox*>(QStringLiteral("APO"));
        apo->setFocus();
        chooseItem(apo, 3);
        stepDone("option");

        window.pages()->setCurrentIndex(kChannelEditPage);
        {
            const ModalAnswers answers({pressConfirmOk});
            editing.button("clearChannelsButton")->click();
        }
        stepDone("clear all");
        window.setFileDialogs([&](QWidget*, const QString&) { return otherFile; }, {});
        {
            const ModalAnswers answers({pressButton(QMessageBox::Discard)});
            window.openFile();
        }
        stepDone("open");
        {
            const ModalAnswers answers({pressConfirmOk});
            window.newFile();
        }
        stepDone("new");
        // The dialogs took the window's activation along.
        QVERIFY(showActive(window));
        editing.typeChannel(2, "440");
        stepDone("a channel in the new codeplug");
        const QByteArray end =
            editing.folder().read(QFileInfo(editing.save(QStringLiteral("end.p46"))).fileName());

        // Back: the shortcut on the grid, or the menu item.
        editing.grid().setFocus();
        for (std::size_t step = steps.size() - 1; step > 0; --step) {
            if (step % 2 == 0) {
                QTest::keyClick(&editing.grid(), Qt::Key_Z, Qt::ControlModifier);
            } else {
                window.menu().undo->trigger();
            }
            QVERIFY2(editionOf(editing.document()) == steps[step - 1],
                     qPrintable(QString::number(step)));
        }
        QVERIFY(!window.menu().undo->isEnabled());
        // end.p46 was saved last, and this is not it.
        QVERIFY(window.isWindowModified());
        editing.save(QStringLiteral("back.p46"));
        QCOMPARE(editing.folder().read(QStringLiteral("back.p46")),
                 editing.folder().read(QFileInfo(start).fileName()));

        // And forth, with both redo shortcuts.
        for (std::size_t step = 1; step < steps.size(); ++step) {
            if (step % 2 == 0) {
                QTest::keyClick(&editing.grid(), Qt::Key_Y, Qt::ControlModifier);
            } else {
                QTest::keyClick(&editing.grid(), Qt::Key_Z,
                                Qt::ControlModifier | Qt::ShiftModifier);
            }
            QVERIFY2(editionOf(editing.document()) == steps[step],
                     qPrintable(QString::number(step)));
        }
        QVERIFY(!window.menu().redo->isEnabled());
        editing.save(QStringLiteral("again.p46"));
        QCOMPARE(editing.folder().read(QStringLiteral("again.p46")), end);
    }

    // Ctrl+Z while a frequency is typed takes the typing back with the commit it gets.
    void undoTakesBackWhatIsBeingTyped() {
        EditingWindow editing;
        editing.typeChannel(1, "435");
        const model::Channel one = editing.channel(1);
        editing.click(1, Column::RxFreq);
        typeKeys("446");
        editing.window().menu().undo->trigger();
        QCOMPARE(editing.channel(1), one);
        QVERIFY(!editing.grid().frequencyEditor()->isVisible());
        editing.window().menu().redo->trigger();
        QCOMPARE(editing.channel(1)[ChannelField::RxFreq], std::string("446.00000"));
    }
};

int runUndoTests(int argc, char** argv) {
    UndoTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace hm3300::app::test

#include "undo_test.moc"

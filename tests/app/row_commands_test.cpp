// Whole channels: rows selected by their labels, then cut, copied, pasted, inserted and
// deleted from the Edit menu, the grid's keys and its context menu.

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QSpinBox>
#include <QtTest>

#include "app/confirm_dialog.h"
#include "app/row_commands.h"
#include "editing_window.h"

namespace hm3300::app::test {

namespace {

using model::ChannelField;
namespace Column = editor::GridColumn;

// Channels 1 to `count`, each at its own frequency with a hidden attribute set apart.
void fillRows(EditingWindow& editing, int count) {
    for (int row = 1; row <= count; ++row) {
        model::Channel& channel = editing.channel(row);
        channel[ChannelField::RxFreq] = QString::number(400 + row, 'f', 5).toStdString();
        channel.fillNewChannelDefaults(editing.texts());
        channel[ChannelField::BusyLock] = editing.texts().OnText;
        channel[ChannelField::Alias] = "CH" + std::to_string(row);
    }
    editing.document().notifyReplaced();
    editing.document().finishStep();
}

void clickLabel(EditingWindow& editing, int row, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(editing.grid().viewport(), Qt::LeftButton, modifiers,
                      editing.centre(row, Column::Label));
}

std::vector<int> selected(EditingWindow& editing) {
    return editing.grid().selectedRows();
}

}  // namespace

class RowCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void labelsSelectRowsWithShiftAndCtrl() {
        EditingWindow editing;
        clickLabel(editing, 3);
        QCOMPARE(selected(editing), std::vector<int>{3});
        QCOMPARE(editing.document().codeplug().channels.row(3), model::Channel());
        QCOMPARE(editing.page().channelNumber()->value(), 3);
        clickLabel(editing, 6, Qt::ShiftModifier);
        QCOMPARE(selected(editing), (std::vector<int>{3, 4, 5, 6}));
        clickLabel(editing, 4, Qt::ControlModifier);
        clickLabel(editing, 9, Qt::ControlModifier);
        QCOMPARE(selected(editing), (std::vector<int>{3, 5, 6, 9}));
        // A click on a cell is back to editing cells.
        editing.click(2, Column::RxFreq);
        QVERIFY(selected(editing).empty());
    }

    void copyAndPasteCarryWholeChannelsAndTextForASpreadsheet() {
        EditingWindow editing;
        fillRows(editing, 4);
        clickLabel(editing, 2);
        clickLabel(editing, 3, Qt::ShiftModifier);
        QTest::keyClick(&editing.grid(), Qt::Key_C, Qt::ControlModifier);
        const QMimeData* clipboard = QApplication::clipboard()->mimeData();
        QVERIFY(clipboard->hasFormat(QString::fromLatin1(RowCommands::kChannelsMimeType)));
        QCOMPARE(clipboard->text(),
                 QStringLiteral(
                     "402.00000\t禁用\t402.00000\t禁用\t高功率\t宽带\t启用\t禁用\t禁用\tCH2\n"
                     "403.00000\t禁用\t403.00000\t禁用\t高功率\t宽带\t启用\t禁用\t禁用\tCH3\n"));

        const model::Channel two = editing.channel(2);
        const model::Channel three = editing.channel(3);
        editing.click(127, Column::RxFreq);
        QTest::keyClick(&editing.grid(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(editing.channel(127), two);
        QCOMPARE(editing.channel(128), three);
        QCOMPARE(selected(editing), (std::vector<int>{127, 128}));
        QCOMPARE(editing.cell(128, Column::Alias), QStringLiteral("CH3"));

        // Under another language the pasted words are the new language's.
        editing.window().menu().languages[1]->trigger();
        editing.click(10, Column::RxFreq);
        editing.window().menu().pasteRows->trigger();
        QCOMPARE(editing.channel(10)[ChannelField::Power], std::string("High"));
        QCOMPARE(editing.channel(10)[ChannelField::BusyLock], std::string("ON"));
        editing.window().undo();
        QVERIFY(!editing.channel(10).exists());
    }

    void cutEmptiesTheRowsInPlace() {
        EditingWindow editing;
        fillRows(editing, 4);
        const model::Channel two = editing.channel(2);
        clickLabel(editing, 2);
        editing.window().menu().cutRows->trigger();
        QCOMPARE(editing.channel(2), model::Channel());
        QCOMPARE(editing.cell(3, Column::Alias), QStringLiteral("CH3"));
        clickLabel(editing, 8);
        editing.window().menu().pasteRows->trigger();
        QCOMPARE(editing.channel(8), two);
    }

    void insertMovesTheRowsDownAndAsksWhenRow128WouldBeLost() {
        EditingWindow editing;
        fillRows(editing, 3);
        editing.click(2, Column::Power);
        const model::Channel two = editing.channel(2);
        editing.window().menu().insertRow->trigger();
        QCOMPARE(editing.channel(2), model::Channel());
        QCOMPARE(editing.channel(3), two);
        QCOMPARE(editing.cell(4, Column::Alias), QStringLiteral("CH3"));

        editing.channel(128) = two;
        const model::ChannelTable before = editing.document().codeplug().channels;
        {
            const ModalAnswers answers({pressConfirmCancel});
            editing.window().menu().insertRow->trigger();
            QCOMPARE(answers.dialogs().size(), 1);
            QVERIFY2(answers.dialogs().front().contains(QStringLiteral("第128行有信道")),
                     qPrintable(answers.dialogs().front()));
        }
        QVERIFY(editing.document().codeplug().channels == before);
        {
            const ModalAnswers answers({pressConfirmOk});
            editing.window().menu().insertRow->trigger();
        }
        QCOMPARE(editing.channel(128), model::Channel());
        QCOMPARE(editing.cell(5, Column::Alias), QStringLiteral("CH3"));
    }

    void deleteMovesTheRowsBelowUp() {
        EditingWindow editing;
        fillRows(editing, 6);
        clickLabel(editing, 2);
        clickLabel(editing, 4, Qt::ControlModifier);
        editing.window().menu().deleteRows->trigger();
        QCOMPARE(editing.cell(2, Column::Alias), QStringLiteral("CH3"));
        QCOMPARE(editing.cell(3, Column::Alias), QStringLiteral("CH5"));
        QCOMPARE(editing.cell(4, Column::Alias), QStringLiteral("CH6"));
        QVERIFY(!editing.channel(5).exists());
        QVERIFY(selected(editing).empty());
        // Without a selection the current channel goes.
        editing.click(1, Column::Power);
        editing.window().menu().deleteRows->trigger();
        QCOMPARE(editing.cell(1, Column::Alias), QStringLiteral("CH3"));
    }

    void theContextMenuOffersTheRowCommands() {
        EditingWindow editing;
        QCOMPARE(editing.grid().contextMenuPolicy(), Qt::ActionsContextMenu);
        const QList<QAction*> actions = editing.grid().actions();
        const MainMenu& menu = editing.window().menu();
        QCOMPARE(actions, (QList<QAction*>{menu.cutRows, menu.copyRows, menu.pasteRows,
                                           menu.insertRow, menu.deleteRows}));
        // A right click on a label chooses that row for them.
        QTest::mouseClick(editing.grid().viewport(), Qt::RightButton, {},
                          editing.centre(7, Column::Label));
        QCOMPARE(selected(editing), std::vector<int>{7});
    }

    void aClipboardWithoutChannelsIsReported() {
        EditingWindow editing;
        QApplication::clipboard()->setText(QStringLiteral("435.00000\tOFF\n"));
        const model::ChannelTable before = editing.document().codeplug().channels;
        const ModalAnswers answers({pressConfirmOk});
        editing.window().menu().pasteRows->trigger();
        QCOMPARE(answers.dialogs().size(), 1);
        QVERIFY2(answers.dialogs().front().contains(QStringLiteral("剪贴板中没有可粘贴的信道")),
                 qPrintable(answers.dialogs().front()));
        QVERIFY(editing.document().codeplug().channels == before);
    }
};

int runRowCommandsTests(int argc, char** argv) {
    RowCommandsTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace hm3300::app::test

#include "row_commands_test.moc"

// Editing channels with mouse, keys and wheel on the real grid, its command buttons and the
// single-channel page, then saving what was edited.

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include "app/cell_text_edit.h"
#include "app/channel_edit_page.h"
#include "app/channel_grid.h"
#include "app/channel_page.h"
#include "app/confirm_dialog.h"
#include "editing_window.h"
#include "file/codeplug_file.h"
#include "page_test_support.h"

namespace hm3300::app::test {

namespace {

using model::ChannelField;
namespace Column = editor::GridColumn;

bool shown(const QWidget* widget) {
    return widget->isVisible();
}

}  // namespace

class ChannelEditingTest : public QObject {
    Q_OBJECT

private slots:
    void typingAReceiveFrequencyAndEnterCreatesAChannel() {
        EditingWindow editing;
        editing.click(3, Column::RxFreq);
        CellTextEdit* editor = editing.grid().frequencyEditor();
        QVERIFY(shown(editor));
        // The grid keeps the keys.
        QVERIFY(!editor->hasFocus());
        QCOMPARE(editor->pos(),
                 editing.grid().visualRect(editing.grid().model()->index(2, 1)).topLeft() +
                     QPoint(3, 2));

        // The first digit reaches the grid and starts the entry; "." after two digits drops.
        typeKeys("43.5");
        QVERIFY(editor->hasFocus());
        QCOMPARE(editor->text(), QStringLiteral("435"));
        QCOMPARE(editing.cell(3, Column::RxFreq), QStringLiteral("435"));
        editing.key(Qt::Key_Return);

        const QStringList expected{"003",  "435.00000", "禁用", "435.00000", "禁用", "高功率",
                                   "宽带", "启用",      "禁用", "禁用",      "",     ">>"};
        for (int column = 0; column < Column::Count; ++column) {
            QCOMPARE(editing.cell(3, column), expected[column]);
        }
        QCOMPARE(editing.channel(3)[ChannelField::TailElim], std::string("启用"));
        QCOMPARE(editing.channel(3)[ChannelField::RxCode], std::string("0"));
        QVERIFY(shown(editor));
        QCOMPARE(editor->text(), QStringLiteral("435.00000"));
        QVERIFY(editing.grid().hasFocus());

        // A tenth character does not fit.
        editor->setFocus();
        editor->end(false);
        typeKeys("9");
        QCOMPARE(editor->text(), QStringLiteral("435.00000"));
    }

    void tonesSwitchesAndAliasAreEditedInPlace() {
        EditingWindow editing;
        editing.typeChannel(2, "446");
        editing.click(2, Column::RxTone);
        QComboBox* tones = editing.grid().toneDropDown();
        QVERIFY(shown(tones));
        QCOMPARE(tones->currentText(), QStringLiteral("禁用"));
        tones->setFocus();
        chooseItem(tones, 53);
        QCOMPARE(editing.cell(2, Column::RxTone), QStringLiteral("D023N"));
        QCOMPARE(editing.channel(2)[ChannelField::RxCode], std::string("53"));

        // Three clicks flip the power three times; arrows and the wheel never flip it.
        for (const char* expected : {"低功率", "高功率", "低功率"}) {
            editing.click(2, Column::Power);
            QCOMPARE(editing.cell(2, Column::Power), QString::fromUtf8(expected));
        }
        // The click on another cell closed it.
        QVERIFY(!shown(tones));
        editing.click(2, Column::TxTone);
        editing.key(Qt::Key_Right);
        QCOMPARE(editing.cell(2, Column::Power), QStringLiteral("低功率"));
        editing.typeChannel(3, "447");
        editing.click(3, Column::Power);
        QCOMPARE(editing.cell(3, Column::Power), QStringLiteral("低功率"));
        editing.wheel(120);
        editing.wheel(-120);
        QCOMPARE(editing.cell(2, Column::Power), QStringLiteral("低功率"));
        QCOMPARE(editing.cell(3, Column::Power), QStringLiteral("低功率"));
        editing.click(3, Column::Power);
        QCOMPARE(editing.cell(3, Column::Power), QStringLiteral("高功率"));

        // Typing on the alias cell starts a new name; "!" and "," drop.
        editing.click(2, Column::Alias);
        typeKeys("ab-!,1");
        QCOMPARE(editing.grid().aliasEditor()->text(), QStringLiteral("AB-1"));
        QCOMPARE(editing.cell(2, Column::Alias), QStringLiteral("AB-1"));
        editing.key(Qt::Key_Return);
        QVERIFY(!shown(editing.grid().aliasEditor()));
        QVERIFY(editing.grid().hasFocus());
    }

    void deleteAndBackspaceEmptyTheChannel() {
        EditingWindow editing;
        editing.typeChannel(4, "435");
        editing.typeChannel(5, "436");
        editing.click(4, Column::Power);
        editing.key(Qt::Key_Delete);
        for (int column = Column::RxFreq; column <= Column::Alias; ++column) {
            QCOMPARE(editing.cell(4, column), QString());
        }
        QCOMPARE(editing.channel(4)[ChannelField::TailElim], std::string("启用"));
        editing.click(5, Column::RxFreq);
        // The commit took the hidden attributes.
        QCOMPARE(editing.channel(4), model::Channel());

        editing.key(Qt::Key_Backspace);
        QCOMPARE(editing.cell(5, Column::RxFreq), QString());
        editing.click(6, Column::Power);
        QCOMPARE(editing.channel(5), model::Channel());
    }

    void scrollingHidesTheEditorAndKeepsTheText() {
        EditingWindow editing;
        editing.click(2, Column::RxFreq);
        typeKeys("43");
        QVERIFY(shown(editing.grid().frequencyEditor()));
        editing.grid().verticalScrollBar()->setValue(20);
        QVERIFY(!shown(editing.grid().frequencyEditor()));
        QCOMPARE(editing.cell(2, Column::RxFreq), QStringLiteral("43"));
    }

    void doubleClickOnMoreShowsTheChannelPage() {
        EditingWindow editing;
        editing.typeChannel(17, "435.5");
        editing.grid().scrollTo(editing.grid().model()->index(16, Column::More));
        QTest::mouseDClick(editing.grid().viewport(), Qt::LeftButton, {},
                           editing.centre(17, Column::More));
        QCOMPARE(editing.window().pages()->currentIndex(), static_cast<int>(kChannelPage));
        QCOMPARE(editing.page().channelNumber()->value(), 17);
        QCOMPARE(editing.page().receiveFrequency()->text(), QStringLiteral("435.50000"));

        editing.page().alias()->setFocus();
        editing.window().pages()->setCurrentIndex(kChannelEditPage);
        // The grid takes the focus when its page shows.
        QVERIFY(editing.grid().hasFocus());
        QVERIFY(!shown(editing.grid().frequencyEditor()));
    }

    void holdingAutoAddFillsRowAfterRow() {
        EditingWindow editing;
        QPushButton* autoAdd = editing.button("autoAddButton");
        QTest::mousePress(autoAdd, Qt::LeftButton);
        QCOMPARE(editing.cell(1, Column::RxFreq), QStringLiteral("400.00000"));
        QTest::qWait(1500);
        QTest::mouseRelease(autoAdd, Qt::LeftButton);
        QVERIFY(!editing.window().channelEditPage()->autoAddTimer()->isActive());

        // One at the press, one after a second, then one every 200 ms.
        int rows = 0;
        while (rows < 128 && editing.channel(rows + 1).exists()) {
            ++rows;
        }
        QVERIFY2(rows >= 3 && rows <= 5, qPrintable(QString::number(rows)));
        for (int row = 1; row <= rows; ++row) {
            QCOMPARE(editing.cell(row, Column::RxFreq),
                     QString::number(400 + (row - 1) * 0.025, 'f', 5));
        }
        QCOMPARE(editing.document().codeplug().channels.row(2)[ChannelField::Power],
                 std::string("高功率"));

        // Another button does not start it.
        QTest::mousePress(autoAdd, Qt::RightButton);
        QVERIFY(!editing.window().channelEditPage()->autoAddTimer()->isActive());
        QTest::mouseRelease(autoAdd, Qt::RightButton);
    }

    void moveDeleteAndClearCarryWholeChannels() {
        EditingWindow editing;
        editing.typeChannel(5, "435");
        editing.channel(5)[ChannelField::BusyLock] = editing.texts().OnText;
        const model::Channel five = editing.channel(5);
        editing.button("moveDownButton")->click();
        QCOMPARE(editing.channel(6), five);
        QCOMPARE(editing.channel(5), model::Channel());
        // No longer over its channel.
        QVERIFY(!shown(editing.grid().frequencyEditor()));
        editing.button("moveUpButton")->click();
        // The current line followed the channel, not the grid's cell.
        QCOMPARE(editing.channel(5), five);
        QCOMPARE(editing.channel(6), model::Channel());
        editing.click(5, Column::More);
        editing.button("deleteChannelButton")->click();
        QCOMPARE(editing.channel(5), model::Channel());

        editing.typeChannel(9, "440");
        ModalAnswer cancel([](QWidget* dialog) {
            QTest::mouseClick(qobject_cast<ConfirmDialog*>(dialog)->cancelButton(), Qt::LeftButton);
        });
        editing.button("clearChannelsButton")->click();
        QVERIFY(cancel.answered());
        QVERIFY(editing.channel(9).exists());
        ModalAnswer ok([](QWidget* dialog) {
            QTest::mouseClick(qobject_cast<ConfirmDialog*>(dialog)->okButton(), Qt::LeftButton);
        });
        editing.button("clearChannelsButton")->click();
        QVERIFY(ok.answered());
        QVERIFY(!editing.channel(9).exists());
        QCOMPARE(editing.grid().currentIndex(), editing.grid().model()->index(0, Column::RxFreq));
        QVERIFY(!shown(editing.grid().frequencyEditor()));
    }

    void theChannelPageCreatesAndEditsAChannel() {
        EditingWindow editing;
        editing.window().pages()->setCurrentIndex(kChannelPage);
        ChannelPage& page = editing.page();
        page.channelNumber()->setValue(5);
        QVERIFY(page.receiveFrequency()->isEnabled());
        QVERIFY(!page.transmitFrequency()->isEnabled());
        QVERIFY(!page.list(editor::PageList::Power)->isEnabled());
        QCOMPARE(page.list(editor::PageList::Power)->currentText(), QStringLiteral("高功率"));
        QVERIFY(page.switchBox(ChannelField::ScanAdd)->isChecked());
        QVERIFY(page.switchBox(ChannelField::TailElim)->isChecked());
        QVERIFY(!page.switchBox(ChannelField::Vox)->isChecked());

        page.receiveFrequency()->setFocus();
        typeKeys("435.5");
        editing.key(Qt::Key_Return);
        QCOMPARE(page.receiveFrequency()->text(), QStringLiteral("435.50000"));
        QCOMPARE(page.transmitFrequency()->text(), QStringLiteral("435.50000"));
        for (QWidget* control : std::initializer_list<QWidget*>{
                 page.transmitFrequency(), page.alias(), page.list(editor::PageList::VoiceMode),
                 page.switchBox(ChannelField::Vox), page.switchBox(ChannelField::Dtmf)}) {
            QVERIFY(control->isEnabled());
        }
        QCOMPARE(editing.cell(5, Column::TxFreq), QStringLiteral("435.50000"));

        page.list(editor::PageList::RxTone)->setFocus();
        chooseItem(page.list(editor::PageList::RxTone), 53);
        QCOMPARE(editing.cell(5, Column::RxTone), QStringLiteral("D023N"));
        QCOMPARE(editing.channel(5)[ChannelField::RxCode], std::string("53"));
        clickBox(page.switchBox(ChannelField::BusyLock));
        QCOMPARE(editing.channel(5)[ChannelField::BusyLock], std::string("启用"));
        page.alias()->setFocus();
        typeKeys("rpt+!1");
        QCOMPARE(editing.cell(5, Column::Alias), QStringLiteral("RPT+1"));

        // A transmit frequency typed without Enter is normalised before channel 6 shows.
        page.transmitFrequency()->setFocus();
        page.transmitFrequency()->selectAll();
        typeKeys("440.0062");
        page.channelNumber()->setValue(6);
        QCOMPARE(editing.channel(5)[ChannelField::TxFreq], std::string("440.00625"));
        QVERIFY(!page.transmitFrequency()->isEnabled());

        // Single-head operation takes VOX away.
        page.channelNumber()->setValue(5);
        editing.window().menu().singleHead->trigger();
        QVERIFY(!page.switchBox(ChannelField::Vox)->isEnabled());
        page.refresh();
        QVERIFY(!page.switchBox(ChannelField::Vox)->isEnabled());
        editing.window().menu().dualHead->trigger();
        QVERIFY(page.switchBox(ChannelField::Vox)->isEnabled());
    }

    void showingThePageCommitsTheGridEditFirst() {
        EditingWindow editing;
        editing.click(8, Column::RxFreq);
        typeKeys("446.1");
        editing.window().menu().pageItems[kChannelPage]->trigger();
        QCOMPARE(editing.page().channelNumber()->value(), 8);
        QCOMPARE(editing.page().receiveFrequency()->text(), QStringLiteral("446.10000"));
        QCOMPARE(editing.page().list(editor::PageList::RxTone)->currentIndex(), 0);
        QVERIFY(editing.page().list(editor::PageList::RxTone)->isEnabled());
    }

    void anUnreadableBandIsReportedAndTheTextKept() {
        EditingWindow editing;
        editing.window().menu().languages[1]->trigger();
        model::Codeplug& codeplug = editing.document().codeplug();
        codeplug.bands[model::BandListId::BAND_Rx] = {{"4OO-470MHz"}, 0};
        QString warning;
        ModalAnswer answer([&warning](QWidget* dialog) {
            auto* message = qobject_cast<ConfirmDialog*>(dialog);
            warning = message->textLabel()->text();
            QTest::mouseClick(message->okButton(), Qt::LeftButton);
        });
        editing.typeChannel(1, "435");
        QTRY_VERIFY(answer.answered());
        QVERIFY2(warning.contains(QStringLiteral("\"4OO-470MHz\" cannot be read")),
                 qPrintable(warning));
        QCOMPARE(editing.cell(1, Column::RxFreq), QStringLiteral("435"));
        QCOMPARE(editing.cell(1, Column::Power), QString());

        // Auto add stops on the same warning.
        ModalAnswer again([](QWidget* dialog) {
            QTest::mouseClick(qobject_cast<ConfirmDialog*>(dialog)->okButton(), Qt::LeftButton);
        });
        editing.click(2, Column::RxFreq);
        QTest::mousePress(editing.button("autoAddButton"), Qt::LeftButton);
        QTRY_VERIFY(again.answered());
        QVERIFY(!editing.window().channelEditPage()->autoAddTimer()->isActive());
        QTest::mouseRelease(editing.button("autoAddButton"), Qt::LeftButton);
        QVERIFY(!editing.channel(2).exists());
    }

    void aLanguageSwitchRelabelsThePageAndTheToneLists() {
        EditingWindow editing;
        editing.typeChannel(1, "435");
        editing.window().menu().languages[1]->trigger();
        QCOMPARE(editing.grid().toneDropDown()->itemText(0), QStringLiteral("OFF"));
        ChannelPage& page = editing.page();
        QCOMPARE(page.list(editor::PageList::RxTone)->itemText(0), QStringLiteral("OFF"));
        QCOMPARE(itemTexts(page.list(editor::PageList::Power)), (QStringList{"Low", "High"}));
        QCOMPARE(itemTexts(page.list(editor::PageList::VoiceMode)),
                 (QStringList{"OFF", "Comp", "scrambler"}));
        QVERIFY(page.findChild<QLabel*>() != nullptr);
        QStringList labels;
        for (const QLabel* label : page.findChildren<QLabel*>()) {
            labels << label->text();
        }
        QVERIFY2(labels.contains(QStringLiteral("RX freq[MHz]")), qPrintable(labels.join('|')));
        QCOMPARE(page.switchBox(ChannelField::BusyLock)->text(), QStringLiteral("Busy lockout"));
        QCOMPARE(page.switchBox(ChannelField::PttId)->text(), QStringLiteral("PTT ID"));
        QCOMPARE(editing.cell(1, Column::Power), QStringLiteral("High"));
    }

    // A whole session, saved: what the file holds is what was typed, committed.
    void savingCommitsThePendingEditAndKeepsEveryChange() {
        EditingWindow editing;
        editing.typeChannel(1, "435.0062");
        editing.click(1, Column::TxTone);
        editing.grid().toneDropDown()->setFocus();
        chooseItem(editing.grid().toneDropDown(), 10);
        editing.click(1, Column::Bandwidth);
        editing.click(1, Column::Alias);
        typeKeys("call");
        editing.window().pages()->setCurrentIndex(kChannelPage);
        ChannelPage& page = editing.page();
        page.channelNumber()->setValue(3);
        page.receiveFrequency()->setFocus();
        typeKeys("145");
        editing.key(Qt::Key_Tab);
        page.list(editor::PageList::VoiceMode)->setFocus();
        chooseItem(page.list(editor::PageList::VoiceMode), 2);
        clickBox(page.switchBox(ChannelField::TailElim));
        editing.window().pages()->setCurrentIndex(kChannelEditPage);
        editing.click(2, Column::RxFreq);
        typeKeys("480");  // not committed yet: Save commits it
        const QString path = editing.save();

        model::Codeplug saved;
        std::vector<file::ReadNotice> notices;
        QVERIFY(!file::openCodeplug(path.toStdString(), saved, editing.texts(), notices));
        model::Channel one;
        one[ChannelField::RxFreq] = "435.00625";
        one.fillNewChannelDefaults(editing.texts());
        one[ChannelField::TxTone] = "88.5";
        one[ChannelField::TxCode] = "10";
        one[ChannelField::Bandwidth] = "窄带";
        one[ChannelField::Alias] = "CALL";
        QCOMPARE(saved.channels.row(1), one);
        model::Channel two;
        two[ChannelField::RxFreq] = "469.97500";
        two.fillNewChannelDefaults(editing.texts());
        QCOMPARE(saved.channels.row(2), two);
        model::Channel three;
        three[ChannelField::RxFreq] = "400.00000";
        three.fillNewChannelDefaults(editing.texts());
        three[ChannelField::VoiceMode] = "扰频";
        three[ChannelField::TailElim] = "禁用";
        QCOMPARE(saved.channels.row(3), three);
        QCOMPARE(saved.channels, editing.document().codeplug().channels);
        QVERIFY(!shown(editing.grid().frequencyEditor()));
    }
};

int runChannelEditingTests(int argc, char** argv) {
    ChannelEditingTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace hm3300::app::test

#include "channel_editing_test.moc"

// The page "功能选项": the lists and boxes, their rules, the language and single-head mode.

#include <QCheckBox>
#include <QGroupBox>
#include <QSignalSpy>

#include "app/document.h"
#include "app/function_options_page.h"
#include "model/codeplug.h"
#include "page_test_support.h"

namespace hm3300::app::test {

using model::Option;

class FunctionOptionsPageTest : public QObject {
    Q_OBJECT

private:
    Document document_;
    FunctionOptionsPage* page_ = nullptr;

    QComboBox* list(const char* key) { return page_->findChild<QComboBox*>(key); }
    QCheckBox* box(const char* key) { return page_->findChild<QCheckBox*>(key); }
    int choice(Option option) { return document_.settings().choice(option); }

private slots:
    void init() {
        model::resetRadioSettings(document_.settings());
        page_ = new FunctionOptionsPage(document_);
        page_->resize(790, 500);
        QVERIFY(showActive(*page_));
    }
    void cleanup() { delete page_; }

    void startsWithTheBuiltInTexts() {
        QCOMPARE(list("APO")->itemText(0), QStringLiteral("禁用"));
        QCOMPARE(list("APO")->itemText(1), QStringLiteral(" 1H"));
        QCOMPARE(list("TOT")->itemText(0), QStringLiteral("OFF"));
        QCOMPARE(list("TOT")->itemText(7), QStringLiteral("7分钟"));
        QCOMPARE(list("Monitor")->currentText(), QStringLiteral("CTC/DCS与DTMF"));
        QCOMPARE(list("Band")->currentText(), QStringLiteral("频段1"));
        QCOMPARE(list("step")->currentText(), QStringLiteral("25kHz"));
        QCOMPARE(box("Exp Freq.")->text(), QStringLiteral("按键扩频"));
        QVERIFY(!box("EMG")->isVisibleTo(page_));
    }

    void vfoLocksTheMemoryDisplayOnFrequency() {
        QVERIFY(!list("MR freq./MR CH")->isEnabled());
        QCOMPARE(list("MR freq./MR CH")->currentIndex(), 1);

        chooseItem(list("VFO/MR"), 0);  // "MR"
        QVERIFY(list("MR freq./MR CH")->isEnabled());
        chooseItem(list("MR freq./MR CH"), 0);  // "MR CH"
        QCOMPARE(choice(Option::MR_freq_MR_CH), 0);

        chooseItem(list("VFO/MR"), 1);  // "VFO" again
        QVERIFY(!list("MR freq./MR CH")->isEnabled());
        QCOMPARE(list("MR freq./MR CH")->currentIndex(), 1);
        QCOMPARE(choice(Option::MR_freq_MR_CH), 1);
        QCOMPARE(choice(Option::VFO_MR), 1);
    }

    void showingTheDocumentRunsNoListRule() {
        document_.settings().setChoice(Option::VFO_MR, 0);
        page_->showDocument();
        QCOMPARE(list("VFO/MR")->currentIndex(), 0);
        QVERIFY(!list("MR freq./MR CH")->isEnabled());

        chooseItem(list("VFO/MR"), 1);
        chooseItem(list("VFO/MR"), 0);
        QVERIFY(list("MR freq./MR CH")->isEnabled());
        document_.settings().setChoice(Option::VFO_MR, 1);
        document_.settings().setChoice(Option::MR_freq_MR_CH, 0);
        page_->showDocument();
        QVERIFY(list("MR freq./MR CH")->isEnabled());
        QCOMPARE(list("MR freq./MR CH")->currentIndex(), 0);
    }

    void expandedBandUnlocksBandAndTurningItOffReturnsToBandOne() {
        QVERIFY(!list("Band")->isEnabled());
        document_.codeplug().bands[model::BandListId::BAND_Rx] = {{"400-470MHz"}, 0};
        document_.codeplug().bands[model::BandListId::BAND_Rx1] = {{"350-390MHz"}, 0};

        clickBox(box("Exp Freq."));
        QVERIFY(document_.settings().flag(Option::Exp_Freq));
        QVERIFY(list("Band")->isEnabled());
        chooseItem(list("Band"), 0);  // band 2
        QCOMPARE(choice(Option::Band), 0);
        QCOMPARE(model::activeReceiveBand(document_.codeplug()).selectedText(), "350-390MHz");

        clickBox(box("Exp Freq."));
        QVERIFY(!list("Band")->isEnabled());
        QCOMPARE(list("Band")->currentIndex(), 1);
        QCOMPARE(choice(Option::Band), 1);
        QCOMPARE(model::activeReceiveBand(document_.codeplug()).selectedText(), "400-470MHz");
    }

    void bandFollowsTheLoadedBoxWithoutLosingTheLoadedBand() {
        document_.settings().setFlag(Option::Exp_Freq, true);
        page_->showDocument();
        QVERIFY(box("Exp Freq.")->isChecked());
        QVERIFY(list("Band")->isEnabled());

        document_.settings().setFlag(Option::Exp_Freq, false);
        document_.settings().setChoice(Option::Band, 0);
        page_->showDocument();
        QVERIFY(!list("Band")->isEnabled());
        QCOMPARE(choice(Option::Band), 0);
        QCOMPARE(list("Band")->currentIndex(), 0);
    }

    void controlsWriteTheDocument() {
        chooseItem(list("Squelch"), 7);
        QCOMPARE(choice(Option::Squelch), 7);
        clickBox(box("Key Lock"));
        QVERIFY(document_.settings().flag(Option::Key_Lock));
        clickBox(box("VoxRX"));
        QVERIFY(!document_.settings().flag(Option::VoxRX));
    }

    void onlyAnOperatorsSquelchModeChoiceRenewsTheCaption() {
        QSignalSpy caption(page_, &FunctionOptionsPage::bandCaptionRequested);
        document_.settings().setChoice(Option::Monitor, 0);
        page_->showDocument();
        QCOMPARE(caption.count(), 0);
        chooseItem(list("Monitor"), 3);
        QVERIFY(caption.count() > 0);
        QCOMPARE(choice(Option::Monitor), 3);
    }

    void languageRebuildsListsKeepingTheirIndexes() {
        chooseItem(list("TOT"), 5);
        chooseItem(list("Monitor"), 3);
        page_->applyLanguage(testPack());
        QCOMPARE(itemTexts(list("TOT")), QStringList({"Off", "1 min", "2 min", "3 min", "4 min",
                                                      "5 min", "6 min", "7 min"}));
        QCOMPARE(list("TOT")->currentIndex(), 5);
        QCOMPARE(list("APO")->itemText(0), QStringLiteral("Off"));
        QCOMPARE(list("APO")->itemText(15), QStringLiteral("15H"));
        QCOMPARE(list("Monitor")->currentText(), QStringLiteral("Tone or DTMF"));
        QCOMPARE(itemTexts(list("Band")), QStringList({"Band 2", "Band 1"}));
        QCOMPARE(list("Band")->currentIndex(), 1);
        QCOMPARE(choice(Option::TOT), 5);
        QVERIFY(page_->findChild<QGroupBox*>()->title() == QStringLiteral("Basic"));
        QCOMPARE(list("VFO/MR")->itemText(1), QStringLiteral("VFO"));
    }

    void singleHeadHidesTheVoxOptionsWheneverThePageIsShown() {
        QWidget* vox = page_->findChild<QWidget*>("VoxPanel");
        QVERIFY(showActive(*page_));
        QVERIFY(vox->isVisible());

        page_->setSingleHead(true);
        QVERIFY(!vox->isVisible());
        page_->hide();
        vox->setVisible(true);  // as if anything had shown it while the page was away
        page_->show();
        QVERIFY(!vox->isVisible());

        page_->setSingleHead(false);
        QVERIFY(vox->isVisible());
    }
};

int runFunctionOptionsPageTests(int argc, char** argv) {
    FunctionOptionsPageTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace hm3300::app::test

#include "function_options_page_test.moc"

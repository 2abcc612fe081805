// The pages "其它功能" (band lists and password) and "侧键设定".

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QSignalSpy>

#include "app/document.h"
#include "app/other_functions_page.h"
#include "app/side_key_page.h"
#include "page_test_support.h"

namespace hm3300::app::test {

using model::BandListId;
using model::Option;

class OtherPagesTest : public QObject {
    Q_OBJECT

private:
    Document document_;
    OtherFunctionsPage* page_ = nullptr;

    QLineEdit* password() { return page_->findChild<QLineEdit*>("Password"); }
    QCheckBox* changePassword() { return page_->findChild<QCheckBox*>("ChangePassword"); }
    QComboBox* bandList(const char* name) { return page_->findChild<QComboBox*>(name); }

    void enterPassword(const char* keys) {
        password()->setFocus();
        password()->selectAll();
        typeKeys(keys);
        pressKey(Qt::Key_Tab);  // leave the field
    }

private slots:
    void init() {
        model::resetRadioSettings(document_.settings());
        auto& bands = document_.codeplug().bands;
        bands[BandListId::BAND_Rx] = {{"400-470MHz", "430-440MHz"}, 0};
        bands[BandListId::BAND_Tx] = {{"400-470MHz"}, 0};
        bands[BandListId::BAND_Rx1] = {{"136-174MHz", "350-390MHz"}, 0};
        bands[BandListId::BAND_Tx1] = {{"136-174MHz", "350-390MHz"}, -1};
        page_ = new OtherFunctionsPage(document_);
        page_->resize(790, 500);
        QVERIFY(showActive(*page_));
    }
    void cleanup() { delete page_; }

    void passwordIsEditableOnlyWhileChangingIt() {
        QVERIFY(!password()->isEnabled());
        QCOMPARE(password()->text(), QStringLiteral("580417"));
        clickBox(changePassword());
        QVERIFY(password()->isEnabled());
        QVERIFY(document_.settings().flag(Option::ChangePassword));

        model::resetRadioSettings(document_.settings());  // New
        page_->showDocument();
        QVERIFY(!changePassword()->isChecked());
        QVERIFY(!password()->isEnabled());
    }

    void leavingThePasswordKeepsOnlySixDigits() {
        clickBox(changePassword());
        enterPassword("12345");
        QCOMPARE(password()->text(), QStringLiteral("580417"));
        QCOMPARE(document_.settings().text(Option::Password), "580417");

        enterPassword("123456");
        QCOMPARE(document_.settings().text(Option::Password), "123456");

        enterPassword("12ab34#56");
        QCOMPARE(document_.settings().text(Option::Password), "123456");
        enterPassword("9876543");  // the seventh digit does not fit
        QCOMPARE(document_.settings().text(Option::Password), "987654");
    }

    void passwordKeepsTheStandardContextMenu() {
        QCOMPARE(password()->contextMenuPolicy(), Qt::DefaultContextMenu);
    }

    void bandListsShowTheWorkstationLists() {
        QCOMPARE(itemTexts(bandList("BAND_Rx")), QStringList({"400-470MHz", "430-440MHz"}));
        QCOMPARE(bandList("BAND_Tx1")->currentIndex(), -1);

        document_.codeplug().bands[BandListId::BAND_Rx] = {
            {"400-470MHz", "430-440MHz", "450-460MHz"}, 2};
        page_->showDocument();
        QCOMPARE(bandList("BAND_Rx")->count(), 3);
        QCOMPARE(bandList("BAND_Rx")->currentText(), QStringLiteral("450-460MHz"));
    }

    void choosingABandRenewsTheCaptionExceptForBandOneTransmit() {
        QSignalSpy caption(page_, &OtherFunctionsPage::bandCaptionRequested);
        page_->showDocument();
        QCOMPARE(caption.count(), 0);

        QTest::keyClick(bandList("BAND_Rx"), Qt::Key_Down);
        QCOMPARE(document_.codeplug().bands[BandListId::BAND_Rx].selected, 1);
        QCOMPARE(caption.count(), 1);

        QTest::keyClick(bandList("BAND_Tx"), Qt::Key_Home);
        QCOMPARE(caption.count(), 1);

        QTest::keyClick(bandList("BAND_Rx1"), Qt::Key_Down);
        QCOMPARE(document_.codeplug().bands[BandListId::BAND_Rx1].selected, 1);
        QCOMPARE(caption.count(), 2);

        QTest::keyClick(bandList("BAND_Tx1"), Qt::Key_Down);
        QCOMPARE(document_.codeplug().bands[BandListId::BAND_Tx1].selected, 0);
        QCOMPARE(caption.count(), 3);
    }

    void languageRelabelsTheBandBoxes() {
        page_->applyLanguage(testPack());
        QCOMPARE(changePassword()->text(), QStringLiteral("Change password"));
        QStringList titles;
        for (auto* group : page_->findChildren<QGroupBox*>()) {
            titles << group->title();
        }
        QVERIFY(titles.contains(QStringLiteral("Band 1")));
        QVERIFY(titles.contains(QStringLiteral("Band 2")));
    }

    void sideKeyListFollowsTheLanguageAndWritesTheDocument() {
        SideKeyPage side(document_);
        auto* key = side.findChild<QComboBox*>("Key Assignment");
        QCOMPARE(key->currentText(), QStringLiteral("呼叫键"));
        QTest::keyClick(key, Qt::Key_End);
        QCOMPARE(document_.settings().choice(Option::Key_Assignment), 3);
        side.applyLanguage(testPack());
        QCOMPARE(key->currentText(), QStringLiteral("1750Hz"));
        QCOMPARE(side.findChild<QGroupBox*>()->title(), QStringLiteral("Side key"));

        document_.settings().setChoice(Option::Key_Assignment, 0);
        side.showDocument();
        QCOMPARE(key->currentText(), QStringLiteral("Monitor"));
    }
};

int runOtherPagesTests(int argc, char** argv) {
    OtherPagesTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace hm3300::app::test

#include "other_pages_test.moc"

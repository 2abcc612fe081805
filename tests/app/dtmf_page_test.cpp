// The page "DTMF": code fields and their key filters, the call list editor, spin fields
// and the PTT ID and stun rules.

#include <QCheckBox>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>

#include "app/document.h"
#include "app/dtmf_page.h"
#include "page_test_support.h"

namespace hm3300::app::test {

using model::Option;

class DtmfPageTest : public QObject {
    Q_OBJECT

private:
    Document document_;
    DtmfPage* page_ = nullptr;

    QLineEdit* field(const char* key) { return page_->findChild<QLineEdit*>(key); }
    QComboBox* list(const char* key) { return page_->findChild<QComboBox*>(key); }
    QDoubleSpinBox* spin(const char* key) { return page_->findChild<QDoubleSpinBox*>(key); }
    QTableWidget* callList() { return page_->findChild<QTableWidget*>("CallList"); }
    QLineEdit* callEditor() { return page_->findChild<QLineEdit*>("CallEditor"); }
    std::string text(Option option) { return document_.settings().text(option); }

    void clickCall(int entry) {
        QTableWidget* grid = callList();
        const QRect cell = grid->visualItemRect(grid->item(entry + 1, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
    void typeInto(QLineEdit* edit, const char* keys) {
        edit->setFocus();
        typeKeys(keys);
    }

private slots:
    void init() {
        model::resetRadioSettings(document_.settings());
        page_ = new DtmfPage(document_);
        page_->resize(790, 500);
        QVERIFY(showActive(*page_));
    }
    void cleanup() { delete page_; }

    void codeFieldsTakeOnlyDtmfCharacters() {
        field("BOT")->clear();
        typeInto(field("BOT"), "12a*#e");
        QCOMPARE(field("BOT")->text(), QStringLiteral("12A*#"));
        QCOMPARE(text(Option::BOT), "12A*#");

        pressKey(Qt::Key_Backspace);
        QCOMPARE(text(Option::BOT), "12A*");
        pressKey(Qt::Key_Home);
        pressKey(Qt::Key_Delete);
        QCOMPARE(text(Option::BOT), "2A*");

        field("Private")->clear();
        typeInto(field("Private"), "bcdxyz0123456789ABCD*#");
        QCOMPARE(text(Option::Private), "BCD0123456789AB");  // at most 15
        field("Stun Code")->clear();
        typeInto(field("Stun Code"), "123456789");
        QCOMPARE(text(Option::Stun_Code), "12345678");
    }

    void pastedTextLosesWhatTypingWouldDrop() {
        QGuiApplication::clipboard()->setText(QStringLiteral("9x8-b#"));
        field("EOT")->clear();
        field("EOT")->setEnabled(true);
        field("EOT")->setFocus();
        QTest::keyClick(field("EOT"), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(text(Option::EOT), "98B#");
    }

    void aDroppedKeyLeavesASelectionAlone() {
        field("BOT")->setFocus();
        field("BOT")->selectAll();
        typeKeys("e");
        QCOMPARE(text(Option::BOT), "12345");
    }

    // Showing never changes the document: the write check reports what the radio
    // cannot take, until the operator edits the field.
    void aLoadedCodeIsShownAsItsFieldAdmitsItAndKeptAsLoaded() {
        document_.settings().setText(Option::Private, "12x4-abcd0123456789");
        page_->showDocument();
        QCOMPARE(field("Private")->text(), QStringLiteral("124ABCD012345"));
        QCOMPARE(text(Option::Private), "12x4-abcd0123456789");
        field("Private")->setFocus();
        field("Private")->end(false);
        QTest::keyClick(field("Private"), Qt::Key_Backspace);
        QCOMPARE(text(Option::Private), "124ABCD01234");
    }

    void codeFieldsHaveNoContextMenu() {
        for (const char* key : {"BOT", "EOT", "Private", "Stun Code", "CallEditor"}) {
            QCOMPARE(field(key)->contextMenuPolicy(), Qt::NoContextMenu);
        }
    }

    void pttIdTypeChoosesTheEditableCodes() {
        QVERIFY(field("BOT")->isEnabled());
        QVERIFY(!field("EOT")->isEnabled());
        chooseItem(list("PTT ID"), 2);
        QVERIFY(field("BOT")->isEnabled());
        QVERIFY(field("EOT")->isEnabled());
        chooseItem(list("PTT ID"), 1);
        QVERIFY(!field("BOT")->isEnabled());
        QVERIFY(field("EOT")->isEnabled());
        QCOMPARE(field("BOT")->text(), QStringLiteral("12345"));
        QCOMPARE(document_.settings().choice(Option::PTT_ID), 1);

        document_.settings().setChoice(Option::PTT_ID, 0);
        page_->showDocument();  // a loaded list position runs no rule
        QCOMPARE(list("PTT ID")->currentIndex(), 0);
        QVERIFY(!field("BOT")->isEnabled());
    }

    void stunControlsFollowTheStunBox() {
        auto* stun = page_->findChild<QCheckBox*>("Stun");
        page_->showSystemPage();
        page_->findChild<QTabWidget*>("DtmfPages")->setCurrentIndex(1);
        clickBox(stun);
        QVERIFY(!document_.settings().flag(Option::Stun));
        QVERIFY(!field("Stun Code")->isEnabled());
        QVERIFY(!list("Stun Type")->isEnabled());

        model::resetRadioSettings(document_.settings());  // New
        page_->showDocument();
        QVERIFY(stun->isChecked());
        QVERIFY(field("Stun Code")->isEnabled());
        QVERIFY(list("Stun Type")->isEnabled());
    }

    void clickingACallAndTypingReplacesTheEntry() {
        document_.settings().setText(Option::Call3, "555");
        page_->showDocument();
        clickCall(3);
        QVERIFY(callEditor()->isVisible());
        QCOMPARE(callEditor()->text(), QStringLiteral("555"));
        QCOMPARE(QApplication::focusWidget(), callList());
        const QRect cell = callList()->visualItemRect(callList()->item(4, 1));
        QCOMPARE(callEditor()->geometry().left(), cell.left());
        QVERIFY(cell.contains(callEditor()->geometry().center()));

        typeKeys("911");
        QCOMPARE(QApplication::focusWidget(), callEditor());
        QCOMPARE(text(Option::Call3), "911");
        QCOMPARE(callList()->item(4, 1)->text(), QStringLiteral("911"));

        pressKey(Qt::Key_Return);
        QVERIFY(!callEditor()->isVisible());
        QCOMPARE(QApplication::focusWidget(), callList());
        pressKey(Qt::Key_Return);
        QVERIFY(!callEditor()->isVisible());
        QCOMPARE(text(Option::Call3), "911");
        QCOMPARE(text(Option::Call0), "1000");
    }

    void aDroppedKeyOrBackspaceOnTheListStartsAnEmptyEntry() {
        clickCall(0);
        typeKeys("e");
        QCOMPARE(text(Option::Call0), "");
        QCOMPARE(callEditor()->text(), QString());
        typeKeys("a*");
        QCOMPARE(text(Option::Call0), "A*");
        pressKey(Qt::Key_Return);

        document_.settings().setText(Option::Call1, "77");
        page_->showDocument();
        clickCall(1);
        pressKey(Qt::Key_Backspace);
        QCOMPARE(text(Option::Call1), "");
    }

    void keysOnTheListBeforeAnyClickAreIgnored() {
        callList()->setFocus();
        typeKeys("5");
        QVERIFY(!callEditor()->isVisible());
        QCOMPARE(text(Option::Call0), "1000");
        for (int entry = 1; entry < 10; ++entry) {
            QCOMPARE(text(model::callOption(entry)), "");
        }
    }

    void clicksOnTheHeaderOrLabelsOpenNothing() {
        QTableWidget* grid = callList();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualItemRect(grid->item(0, 1)).center());
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualItemRect(grid->item(3, 0)).center());
        QVERIFY(!callEditor()->isVisible());
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("序号"));
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("自动拨号号码"));
        QCOMPARE(grid->item(10, 0)->text(), QStringLiteral("   9"));
        QCOMPARE(grid->columnWidth(1), 153);
        QCOMPARE(grid->rowHeight(5), 20);
    }

    void enterInACodeReturnsToTheCallListWhileOwnIdAndStunCodeDropIt() {
        clickCall(2);
        typeInto(field("BOT"), "9");
        pressKey(Qt::Key_Return);
        QVERIFY(!callEditor()->isVisible());
        QCOMPARE(QApplication::focusWidget(), callList());

        clickCall(2);
        typeInto(field("Private"), "\r");
        QVERIFY(callEditor()->isVisible());
        QCOMPARE(QApplication::focusWidget(), field("Private"));
        QCOMPARE(text(Option::Private), "1000");
    }

    void hideCallEditorClosesTheOpenEditor() {
        clickCall(5);
        QVERIFY(callEditor()->isVisible());
        page_->hideCallEditor();
        QVERIFY(!callEditor()->isVisible());
    }

    void spinFieldsPullTypedValuesToTheirBounds() {
        QDoubleSpinBox* digitTime = spin("Digit Time");
        QCOMPARE(digitTime->singleStep(), 10.0);
        digitTime->setFocus();
        digitTime->selectAll();
        typeKeys("300");
        pressKey(Qt::Key_Return);
        QCOMPARE(document_.settings().number(Option::Digit_Time), 200.0);
        digitTime->selectAll();
        typeKeys("20");
        pressKey(Qt::Key_Return);
        QCOMPARE(document_.settings().number(Option::Digit_Time), 50.0);
        digitTime->selectAll();
        typeKeys("120");
        pressKey(Qt::Key_Return);
        QCOMPARE(document_.settings().number(Option::Digit_Time), 120.0);
        pressKey(Qt::Key_Up);
        QCOMPARE(document_.settings().number(Option::Digit_Time), 130.0);
    }

    void autoResetShowsHalvesFromTheRadio() {
        document_.settings().setNumber(Option::Auto_Reset, 10.5);
        page_->showDocument();
        QCOMPARE(spin("Auto Reset")->text(), QStringLiteral("10.5"));
        QCOMPARE(document_.settings().number(Option::Auto_Reset), 10.5);
        document_.settings().setNumber(Option::Auto_Reset, 10);
        page_->showDocument();
        QCOMPARE(spin("Auto Reset")->text(), QStringLiteral("10"));
    }

    void aLoadedNumberOutsideTheBoundsIsShownAtTheBoundAndKeptAsLoaded() {
        document_.settings().setNumber(Option::Digit_Time, 0);
        document_.settings().setNumber(Option::Pretime, 2550);
        page_->showDocument();
        QCOMPARE(spin("Digit Time")->text(), QStringLiteral("50"));
        QCOMPARE(document_.settings().number(Option::Digit_Time), 0.0);
        QCOMPARE(document_.settings().number(Option::Pretime), 2550.0);
        spin("Digit Time")->stepUp();
        QCOMPARE(document_.settings().number(Option::Digit_Time), 60.0);
    }

    void languageRelabelsAndKeepsTheChosenItems() {
        chooseItem(list("PTT ID"), 2);
        page_->applyLanguage(testPack());
        QCOMPARE(list("PTT ID")->currentIndex(), 2);
        QCOMPARE(itemTexts(list("PTT ID")), QStringList({"At start", "At end", "Both"}));
        QCOMPARE(list("Stun Type")->currentText(), QStringLiteral("Stun"));
        QCOMPARE(document_.settings().choice(Option::PTT_ID), 2);
        auto* pages = page_->findChild<QTabWidget*>("DtmfPages");
        QCOMPARE(pages->tabText(0), QStringLiteral("System"));
        QCOMPARE(pages->tabText(1), QStringLiteral("Parameters"));
        QCOMPARE(callList()->item(0, 1)->text(), QStringLiteral("Auto-dial"));
        QCOMPARE(list("Group")->itemText(4), QStringLiteral("*"));
    }
};

int runDtmfPageTests(int argc, char** argv) {
    DtmfPageTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace hm3300::app::test

#include "dtmf_page_test.moc"

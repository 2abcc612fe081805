#pragma once
// Operator actions on the real widgets of the option pages, for the widget tests.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QTest>
#include <QWidget>

#include "model/language_pack.h"

namespace hm3300::app::test {

// Shows `window` and makes it the active window, so focus moves as for an operator.
inline bool showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// Chooses item `index` with the keyboard, as an operator does on a closed list.
inline void chooseItem(QComboBox* box, int index) {
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < index; ++i) {
        QTest::keyClick(box, Qt::Key_Down);
    }
}

// Types `keys` one by one into whichever widget has the focus at each key, pressing and
// releasing like a keyboard does.
inline void typeKeys(const char* keys) {
    for (const char* key = keys; *key != '\0'; ++key) {
        QTest::keyPress(QApplication::focusWidget(), *key);
        QTest::keyRelease(QApplication::focusWidget(), *key);
    }
}

// Clicks the box itself: a check box reacts to clicks on its mark and caption only.
inline void clickBox(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

inline void pressKey(Qt::Key key) {
    QTest::keyPress(QApplication::focusWidget(), key);
    QTest::keyRelease(QApplication::focusWidget(), key);
}

// A pack with distinctive texts for the captions and lists the pages relabel.
inline model::LanguagePack testPack() {
    return *model::LanguagePack::parse(
        "20=Basic\n34=Off\n40=Time-out\n48= min\n85=Active band\n88=Band 1\n89=Band 2\n"
        "90=Receive\n91=Transmit\n100=Side key\n104=Tone and DTMF\n105=Tone or DTMF\n"
        "106=System\n107=Parameters\n118=At start\n119=At end\n120=Both\n122=No.\n"
        "123=Auto-dial\n134=Kill\n135=Stun\n136=Monitor\n137=Call\n138=Alarm\n139=1750Hz\n"
        "144=Change password\n");
}

inline QStringList itemTexts(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) {
        items << box->itemText(i);
    }
    return items;
}

}  // namespace hm3300::app::test

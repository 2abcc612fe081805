// The Language menu: relabelling every window and converting the channel table.

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QTabWidget>
#include <QTextBrowser>
#include <QtTest>

#include "app/about_dialog.h"
#include "app/confirm_dialog.h"
#include "app/function_options_page.h"
#include "app/help.h"
#include "shell_fixture.h"

namespace hm3300::app::test {

namespace {

QComboBox* optionList(const MainWindow& window, const char* key) {
    return window.findChild<QComboBox*>(QString::fromLatin1(key));
}

const QRegularExpression kAnchor(QStringLiteral("\\bid=\"([^\"]+)\""));
const QRegularExpression kLink(QStringLiteral("\\bhref=\"#([^\"]+)\""));

// The names `pattern` captures in the user guide `name`.
QSet<QString> guideNames(const QString& name, const QRegularExpression& pattern) {
    QFile file(QStringLiteral(HM3300_SOURCE_DIR "/help/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QSet<QString> names;
    for (const QRegularExpressionMatch& match :
         pattern.globalMatch(QString::fromUtf8(file.readAll()))) {
        names.insert(match.captured(1));
    }
    return names;
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void englishConvertsChannelsAndRelabelsEveryWindow() {
        const AppFolder folder;
        auto window = folder.start();
        model::Channel& channel = window->document().codeplug().channels.row(5);
        channel[model::ChannelField::RxFreq] = "435.12500";
        channel.fillNewChannelDefaults(window->document().texts());
        channel[model::ChannelField::RxTone] = "67.0";
        window->document().settings().setChoice(model::Option::PTT_ID, 2);
        window->document().settings().setChoice(model::Option::TOT, 3);
        window->document().notifyReplaced();

        window->menu().languages[1]->trigger();

        QCOMPARE(window->document().language(), model::Language::English);
        QCOMPARE(channel[model::ChannelField::Power], "High");
        QCOMPARE(channel[model::ChannelField::ScanAdd], "ON");
        QCOMPARE(channel[model::ChannelField::RxTone], "67.0");
        QCOMPARE(channel[model::ChannelField::TxTone], "OFF");
        QCOMPARE(window->document().settings().choice(model::Option::PTT_ID), 2);
        QComboBox* pttId = optionList(*window, "PTT ID");
        QVERIFY(pttId);
        QCOMPARE(pttId->currentIndex(), 2);
        QComboBox* tot = optionList(*window, "TOT");
        QVERIFY(tot);
        QCOMPARE(tot->currentIndex(), 3);
        QCOMPARE(tot->itemText(0), QStringLiteral("OFF"));

        // Menus keep their accelerators; captions drop them.
        QCOMPARE(window->menu().fileMenu->title(), QStringLiteral("&File"));
        QCOMPARE(window->menu().about->text(), QStringLiteral("&About..."));
        QCOMPARE(window->pages()->tabText(kChannelEditPage), QStringLiteral("Channel list"));
        QCOMPARE(window->pages()->tabText(kDtmfPage), QStringLiteral("DTMF"));
        QCOMPARE(window->about().windowTitle(), QStringLiteral("About..."));
        QCOMPARE(window->about().okButton()->text(), QStringLiteral("Close"));
        QCOMPARE(window->message().okButton()->text(), QStringLiteral("OK"));
        QCOMPARE(window->message().cancelButton()->text(), QStringLiteral("Cancel"));
        QVERIFY(window->bannerText().startsWith(QStringLiteral("     HM-3300D")));
        QCOMPARE(window->menu().readButton->text(), QStringLiteral("Read"));
    }

    void aMissingPackMovesOnlyTheCheckMark() {
        const AppFolder folder;
        auto window = folder.start();
        window->menu().languages[1]->trigger();
        model::Channel& channel = window->document().codeplug().channels.row(1);
        channel[model::ChannelField::Power] = "High";
        const QString fileMenu = window->menu().fileMenu->title();
        folder.remove(QStringLiteral("taiwan.lng"));

        window->menu().languages[2]->trigger();

        QVERIFY(window->menu().languages[2]->isChecked());
        QVERIFY(!window->menu().languages[1]->isChecked());
        QCOMPARE(window->document().language(), model::Language::English);
        QCOMPARE(window->menu().fileMenu->title(), fileMenu);
        QCOMPARE(channel[model::ChannelField::Power], "High");
    }

    void aDamagedPackIsTreatedAsMissing() {
        const AppFolder folder;
        auto window = folder.start();
        model::Channel& channel = window->document().codeplug().channels.row(1);
        channel[model::ChannelField::RxFreq] = "435.12500";
        channel.fillNewChannelDefaults(window->document().texts());
        const model::Channel before = channel;
        QByteArray withoutOff = folder.read(QStringLiteral("english.lng"));
        withoutOff.replace("\n34=OFF\n", "\n");
        for (const QByteArray& content : {QByteArray("this is not a pack\n"), withoutOff}) {
            folder.write(QStringLiteral("english.lng"), content);
            QVERIFY(!window->loadLanguagePack(QStringLiteral("english")));
            QCOMPARE(window->document().language(), model::Language::Chinese);
            QVERIFY(channel == before);
        }
    }

    void traditionalChineseWordsAreConvertedByAnyPack() {
        const AppFolder folder;
        auto window = folder.start();
        model::Channel& channel = window->document().codeplug().channels.row(9);
        channel[model::ChannelField::ScanAdd] = "啟用";
        channel[model::ChannelField::Bandwidth] = "窄帶";
        window->menu().languages[0]->trigger();
        QCOMPARE(channel[model::ChannelField::ScanAdd], "启用");
        QCOMPARE(channel[model::ChannelField::Bandwidth], "窄带");
    }

    // Qt's own texts (file dialogs, message box buttons) follow the language.
    void qtsOwnTextsFollowTheLanguage() {
        const AppFolder folder;
        auto window = folder.start();
        const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
        QCOMPARE(cancel(), QStringLiteral("取消"));
        window->menu().languages[1]->trigger();
        QCOMPARE(cancel(), QStringLiteral("Cancel"));
        window->menu().languages[2]->trigger();
        QCOMPARE(cancel(), QStringLiteral("取消"));
    }

    // The language chosen last is remembered in a section of its own; UNWISE.INI decides
    // only until a language has been chosen.
    void theChosenLanguageIsRememberedOverTheInstallersChoice() {
        const AppFolder folder;
        folder.write(QStringLiteral("UNWISE.INI"), "[Language]\nmsg1=Installation Logs\n");
        {
            auto window = folder.start();
            QCOMPARE(window->document().language(), model::Language::English);
            window->menu().languages[2]->trigger();
            window->close();
        }
        const QSettings file(folder.file(QStringLiteral("myini.ini")), QSettings::IniFormat);
        QCOMPARE(file.value(QStringLiteral("language/pack")).toString(), QStringLiteral("taiwan"));
        auto window = folder.start();
        QCOMPARE(window->document().language(), model::Language::Taiwan);
        QVERIFY(window->menu().languages[2]->isChecked());
    }

    // Help shows the guide in the program's own window: the Chinese one for both Chinese
    // interfaces.
    void helpShowsTheGuideOfTheLanguage() {
        const AppFolder folder;
        folder.write(QStringLiteral("user-guide.html"), "<html><body>English guide</body></html>");
        folder.write(QStringLiteral("user-guide.zh.html"), "<html><body>中文指南</body></html>");
        auto window = folder.start();
        window->menu().help->trigger();
        QVERIFY(window->helpWindow() && window->helpWindow()->isVisible());
        QCOMPARE(window->helpWindow()->browser()->toPlainText(), QStringLiteral("中文指南"));
        window->menu().languages[1]->trigger();
        window->menu().help->trigger();
        QCOMPARE(window->helpWindow()->browser()->toPlainText(), QStringLiteral("English guide"));
        QCOMPARE(window->helpWindow()->windowTitle(), QStringLiteral("Help"));
    }

    // The two guides are one guide in two languages: they have the same anchors and link to
    // the same places, and no link leads nowhere.
    void theGuidesHaveTheSameAnchorsAndLinks() {
        const QString english = QStringLiteral("user-guide.html");
        const QString chinese = QStringLiteral("user-guide.zh.html");
        const QSet<QString> anchors = guideNames(english, kAnchor);
        QVERIFY(anchors.size() > 10);
        QCOMPARE(guideNames(chinese, kAnchor), anchors);
        QCOMPARE(guideNames(chinese, kLink), guideNames(english, kLink));
        QVERIFY(anchors.contains(guideNames(english, kLink)));
    }
};

int runLanguageTests(int argc, char** argv) {
    LanguageTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace hm3300::app::test

#include "language_test.moc"

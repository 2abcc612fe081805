// Start-up and shutdown of the main window: myini.ini, UNWISE.INI, port, mode and skin.

#include <QComboBox>
#include <QSettings>
#include <QTabWidget>
#include <QtTest>

#include "app/function_options_page.h"
#include "app/help.h"
#include "app/other_functions_page.h"
#include "app/skins.h"
#include "shell_fixture.h"

namespace hm3300::app::test {

namespace {

QWidget* voxPanel(const MainWindow& window) {
    return window.functionOptionsPage()->findChild<QWidget*>(QStringLiteral("VoxPanel"));
}

QString checkedText(const auto& actions) {
    for (const QAction* action : actions) {
        if (action->isChecked()) {
            return action->text();
        }
    }
    return {};
}

// The items of `menu` in order, "-" for a separator, submenus by their title.
QStringList itemTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return texts;
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void firstStartWithoutSettingsFile() {
        const AppFolder folder;
        auto window = folder.start();
        QCOMPARE(window->windowTitle(), QStringLiteral("KW3300[*]"));
        QCOMPARE(window->size(), QSize(798, 596));
        QCOMPARE(window->pages()->currentIndex(), static_cast<int>(kChannelEditPage));
        QCOMPARE(checkedText(window->menu().ports), QStringLiteral("COM(&1)"));
        QVERIFY(window->menu().dualHead->isChecked());
        QVERIFY(!window->menu().singleHead->isChecked());
        QVERIFY(!voxPanel(*window)->isHidden());
        QVERIFY(window->menu().skins[0]->isChecked());
        QVERIFY(window->menu().languages[0]->isChecked());
        for (const model::BandListId id : model::kBandListIds) {
            QVERIFY(window->document().codeplug().bands[id] == model::BandList{});
        }
        QCOMPARE(window->portPath(), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(window->bannerText(), QStringLiteral("     HM-3300D 写频软件"));

        window->close();
        const QSettings file(folder.file(QStringLiteral("myini.ini")), QSettings::IniFormat);
        QCOMPARE(file.value(QStringLiteral("open/com")).toInt(), 1);
        QCOMPARE(file.value(QStringLiteral("open/commode")).toInt(), 13);
        QCOMPARE(file.value(QStringLiteral("open/skin")).toInt(), 1);
        for (const auto& [count, now] : {std::pair{"list1_rx/listcount", "list1_rx/listnow"},
                                         {"list1_tx/list2count", "list1_tx/list2now"},
                                         {"list2_rx/list3count", "list2_rx/list3now"},
                                         {"list2_tx/list4count", "list2_tx/list4now"}}) {
            QCOMPARE(file.value(QString::fromLatin1(count)).toString(), QStringLiteral("0"));
            QCOMPARE(file.value(QString::fromLatin1(now)).toString(), QStringLiteral("-1"));
        }
    }

    void menusAndPagesInTheirOrder() {
        const AppFolder folder;
        auto window = folder.start();
        const MainMenu& menu = window->menu();
        QCOMPARE(itemTexts(menu.fileMenu),
                 QStringList({"新建(&N)", "打开(&O)", "保存(&S)", "-", "导入CSV(&I)...",
                              "导出CSV(&T)...", "-", "退出(&E)"}));
        QCOMPARE(itemTexts(menu.editMenu), QStringList({"撤销(&U)",
                                                        "重做(&O)",
                                                        "-",
                                                        "剪切(&X)",
                                                        "复制(&C)",
                                                        "粘贴(&V)",
                                                        "插入空行(&I)",
                                                        "删除行(&D)",
                                                        "-",
                                                        "频率读出(&R)",
                                                        "频率写入(&W)",
                                                        "-",
                                                        "信道编辑(&E)",
                                                        "功能选项(&Y)",
                                                        "DTMF",
                                                        "-",
                                                        "信道",
                                                        "侧键设定",
                                                        "-",
                                                        "其它功能(&T)"}));
        QCOMPARE(itemTexts(menu.optionsMenu), QStringList({"通信端口(&C)", "通信方式", "Language",
                                                           "皮肤(&S)", "-", "快速连接"}));
        QVERIFY(menu.fastLink->isCheckable() && !menu.fastLink->isChecked());
        QCOMPARE(itemTexts(menu.portMenu),
                 QStringList({"COM(&1)", "COM(&2)", "COM(&3)", "COM(&4)", "-", "选择设备(&D)…"}));
        QCOMPARE(itemTexts(menu.commModeMenu), QStringList({"单头通信", "双头通信"}));
        QCOMPARE(itemTexts(menu.languageMenu), QStringList({"中文", "English", "中文(繁體)"}));
        QCOMPARE(itemTexts(menu.skinMenu), QStringList({"蓝色一族", "钢板", "咖啡"}));
        QCOMPARE(itemTexts(menu.helpMenu),
                 QStringList({"帮助(&H)", "备份文件夹(&B)", "关于(&A)..."}));
        QCOMPARE(menu.readButton->text(), QStringLiteral("读频"));
        QCOMPARE(menu.writeButton->text(), QStringLiteral("写频"));

        QStringList captions;
        for (int page = 0; page < window->pages()->count(); ++page) {
            captions << window->pages()->tabText(page);
        }
        QCOMPARE(captions,
                 QStringList({"信道编辑", "功能选项", "DTMF", "信道", "侧键设定", "其它功能"}));
        for (int page = 0; page < window->pages()->count(); ++page) {
            menu.pageItems[static_cast<std::size_t>(page)]->trigger();
            QCOMPARE(window->pages()->currentIndex(), page);
        }
    }

    // The Chinese guide serves both Chinese interfaces; the English one stands in for it.
    void theGuideFollowsTheLanguage() {
        const AppFolder folder;
        QCOMPARE(userGuidePath(folder.path(), model::Language::English), QString());
        const QString english = folder.file(QStringLiteral("user-guide.html"));
        const QString chinese = folder.file(QStringLiteral("user-guide.zh.html"));
        folder.write(QStringLiteral("user-guide.html"), "<html></html>");
        QCOMPARE(userGuidePath(folder.path(), model::Language::Taiwan), english);
        folder.write(QStringLiteral("user-guide.zh.html"), "<html></html>");
        QCOMPARE(userGuidePath(folder.path(), model::Language::English), english);
        QCOMPARE(userGuidePath(folder.path(), model::Language::Chinese), chinese);
        QCOMPARE(userGuidePath(folder.path(), model::Language::Taiwan), chinese);
    }

    void storedChoicesAreAppliedAsMenuActions() {
        const AppFolder folder;
        folder.write(QStringLiteral("myini.ini"),
                     "[open]\ncom=9\ncommode=12\nskin=3\n"
                     "[list1_rx]\nlistcount=2\ncombo0=136-174MHz\nlistnow=1\n");
        auto window = folder.start();
        QCOMPARE(window->portNumber(), 1);
        QVERIFY(window->menu().ports[0]->isChecked());
        QCOMPARE(window->commMode(), kSingleHead);
        QVERIFY(window->menu().singleHead->isChecked());
        QVERIFY(voxPanel(*window)->isHidden());
        QVERIFY(window->menu().skins[2]->isChecked());
        QCOMPARE(qApp->styleSheet(), skinStyleSheet(3));

        const model::BandList& rx = window->document().codeplug().bands[model::BandListId::BAND_Rx];
        QCOMPARE(rx.entries, (std::vector<std::string>{"136-174MHz", "400-470MHz"}));
        QCOMPARE(rx.selected, 1);
        auto* shown =
            window->otherFunctionsPage()->findChild<QComboBox*>(QStringLiteral("BAND_Rx"));
        QVERIFY(shown);
        QCOMPARE(shown->count(), 2);
        QCOMPARE(shown->currentText(), QStringLiteral("400-470MHz"));
        // Restoring a selection is not the operator's choice.
        QCOMPARE(window->windowTitle(), QStringLiteral("KW3300[*]"));
    }

    void choicesMadeWhileRunningAreFoundAtTheNextStart() {
        const AppFolder folder;
        {
            auto window = folder.start();
            window->menu().ports[2]->trigger();
            window->menu().singleHead->trigger();
            window->menu().skins[1]->trigger();
            model::selectOrAddBand(window->document().codeplug().bands[model::BandListId::BAND_Tx1],
                                   "350-390MHz");
            window->close();
        }
        auto window = folder.start();
        QCOMPARE(window->portNumber(), 3);
        QCOMPARE(window->portPath(), QStringLiteral("/dev/ttyUSB2"));
        QCOMPARE(window->commMode(), kSingleHead);
        QCOMPARE(window->skin(), 2);
        QCOMPARE(qApp->styleSheet(), skinStyleSheet(2));
        QCOMPARE(window->document().codeplug().bands[model::BandListId::BAND_Tx1].selectedText(),
                 "350-390MHz");
    }

    void everySkinHasItsOwnStyleSheet() {
        QVERIFY(!skinStyleSheet(1).isEmpty());
        QVERIFY(skinStyleSheet(1) != skinStyleSheet(2));
        QVERIFY(skinStyleSheet(2) != skinStyleSheet(3));
        QVERIFY(!skinStyleSheet(3).isEmpty());
        QVERIFY(skinStyleSheet(4).isEmpty());
        // Every place of the shared sheet has a value in every palette.
        const QRegularExpression place(QStringLiteral("@[a-z-]+@"));
        for (int skin = 1; skin <= kSkinCount; ++skin) {
            QVERIFY2(!skinStyleSheet(skin).contains(place), qPrintable(QString::number(skin)));
        }
    }

    void portOptionReplacesTheChosenPortForTheSessionOnly() {
        const AppFolder folder;
        folder.write(QStringLiteral("myini.ini"), "[open]\ncom=2\n[ports]\ncom1=/dev/ttyS0\n");
        auto window = folder.start(QStringLiteral("/tmp/hm3300d-radio"));
        QCOMPARE(window->portPath(), QStringLiteral("/tmp/hm3300d-radio"));
        QCOMPARE(window->menu().ports[1]->statusTip(), QStringLiteral("/tmp/hm3300d-radio"));
        QCOMPARE(window->menu().ports[0]->statusTip(), QStringLiteral("/dev/ttyS0"));
        window->menu().ports[0]->trigger();
        QCOMPARE(window->portPath(), QStringLiteral("/dev/ttyS0"));
        window->close();

        const QSettings file(folder.file(QStringLiteral("myini.ini")), QSettings::IniFormat);
        QCOMPARE(file.value(QStringLiteral("ports/com2")).toString(),
                 QStringLiteral("/dev/ttyUSB1"));
    }

    void singleHeadSwitchesVoxOffForGood() {
        const AppFolder folder;
        auto window = folder.start();
        model::ChannelTable& channels = window->document().codeplug().channels;
        channels.row(1)[model::ChannelField::Vox] = "启用";
        channels.row(2)[model::ChannelField::Vox] = "禁用";
        channels.row(3)[model::ChannelField::Vox] = "ON";  // another language's word stays
        window->menu().singleHead->trigger();
        QCOMPARE(channels.row(1)[model::ChannelField::Vox], "禁用");
        QCOMPARE(channels.row(2)[model::ChannelField::Vox], "禁用");
        QCOMPARE(channels.row(3)[model::ChannelField::Vox], "ON");
        window->menu().dualHead->trigger();
        QVERIFY(!voxPanel(*window)->isHidden());
        QCOMPARE(channels.row(1)[model::ChannelField::Vox], "禁用");
    }

    void installerLogPicksTheStartLanguage_data() {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<int>("language");
        QTest::newRow("english") << QByteArray("[Language]\nmsg1=Installation Logs\n")
                                 << static_cast<int>(model::Language::English);
        QTest::newRow("other case") << QByteArray("[Language]\nmsg1=Installation logs\n")
                                    << static_cast<int>(model::Language::Chinese);
        QTest::newRow("empty") << QByteArray("[Language]\nmsg1=\n")
                               << static_cast<int>(model::Language::Chinese);
        QTest::newRow("no file") << QByteArray() << static_cast<int>(model::Language::Chinese);
    }

    void installerLogPicksTheStartLanguage() {
        QFETCH(QByteArray, log);
        QFETCH(int, language);
        const AppFolder folder;
        if (!log.isEmpty()) {
            folder.write(QStringLiteral("UNWISE.INI"), log);
        }
        auto window = folder.start();
        QCOMPARE(static_cast<int>(window->document().language()), language);
        QVERIFY(window->menu().languages[static_cast<std::size_t>(language)]->isChecked());
        const QString english = QStringLiteral("&File");
        QCOMPARE(window->menu().fileMenu->title() == english,
                 language == static_cast<int>(model::Language::English));
    }

    void missingPacksAtStartLeaveTheBuiltInTexts() {
        const AppFolder folder;
        for (const char* pack : {"chinese.lng", "english.lng", "taiwan.lng"}) {
            folder.remove(QString::fromLatin1(pack));
        }
        folder.write(QStringLiteral("UNWISE.INI"), "[Language]\nmsg1=Installation Logs\n");
        auto window = folder.start();
        QVERIFY(window->menu().languages[1]->isChecked());
        QCOMPARE(window->document().texts().OnText, "启用");
        QCOMPARE(window->menu().fileMenu->title(), QStringLiteral("文件(&F)"));
        QCOMPARE(window->pages()->tabText(kChannelEditPage), QStringLiteral("信道编辑"));
    }

    void anUnwritableSettingsFileDoesNotStopClosing() {
        const AppFolder folder;
        auto window = folder.start();
        // A folder in place of the file: it can be neither replaced nor written.
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("myini.ini")));
        QVERIFY(window->close());
        QVERIFY(!window->isVisible());
    }
};

int runStartupTests(int argc, char** argv) {
    StartupTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace hm3300::app::test

#include "startup_test.moc"

// The window on a Linux desktop: where myini.ini lives, choosing the port's device, the
// backups folder and a file named at start.

#include <QDesktopServices>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QTreeWidget>
#include <QtTest>

#include "app/port_choice_dialog.h"
#include "shell_fixture.h"
#include "support/environment.h"

namespace hm3300::app::test {

namespace {

using testing::ScopedVariable;

QString messageText(QWidget* dialog) {
    auto* box = qobject_cast<QMessageBox*>(dialog);
    return box ? box->text() : QString();
}

}  // namespace

// Receives the URLs the window asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    // Root writes into any folder, so the program's folder here lies below a file.
    void settingsLiveInTheUsersFolderWhenTheProgramsFolderCannotTakeThem() {
        const QTemporaryDir home;
        const ScopedVariable config("XDG_CONFIG_HOME", home.filePath("config").toStdString());
        const QString userSettings = home.filePath(QStringLiteral("config/hm3300d/myini.ini"));
        QVERIFY(QDir().mkpath(home.filePath(QStringLiteral("config/hm3300d"))));
        QFile seeded(userSettings);
        QVERIFY(seeded.open(QIODevice::WriteOnly));
        seeded.write("[open]\ncom=3\n");
        seeded.close();
        QFile blocker(home.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        auto window = std::make_unique<MainWindow>(
            StartOptions{home.filePath(QStringLiteral("file/bin")), {}, {}});
        window->show();
        QCOMPARE(window->settingsFolder(), home.filePath(QStringLiteral("config/hm3300d")));
        QCOMPARE(window->portNumber(), 3);
        window->menu().ports[1]->trigger();
        window->close();

        const QSettings file(userSettings, QSettings::IniFormat);
        QCOMPARE(file.value(QStringLiteral("open/com")).toInt(), 2);
    }

    // Installed, the packs lie in share/hm3300d and the settings and the installer's log in
    // the user's configuration folder.
    void anInstalledWindowFindsItsPacksAndSettingsWhereTheyAreInstalled() {
        const QTemporaryDir root;
        const ScopedVariable config("XDG_CONFIG_HOME", root.filePath("config").toStdString());
        QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("usr/bin"))));
        QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("usr/share/hm3300d"))));
        QVERIFY(QFile::copy(QStringLiteral(HM3300_SOURCE_DIR "/lang/english.lng"),
                            root.filePath(QStringLiteral("usr/share/hm3300d/english.lng"))));
        QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("config/hm3300d"))));
        QFile log(root.filePath(QStringLiteral("config/hm3300d/UNWISE.INI")));
        QVERIFY(log.open(QIODevice::WriteOnly));
        log.write("[Language]\nmsg1=Installation Logs\n");
        log.close();

        auto window = std::make_unique<MainWindow>(
            StartOptions{root.filePath(QStringLiteral("usr/bin")), {}, {}});
        window->show();
        QVERIFY(window->menu().languages[1]->isChecked());
        QCOMPARE(window->menu().fileMenu->title(), QStringLiteral("&File"));
        window->close();
        QVERIFY(QFileInfo::exists(root.filePath(QStringLiteral("config/hm3300d/myini.ini"))));
        QVERIFY(!QFileInfo::exists(root.filePath(QStringLiteral("usr/bin/myini.ini"))));
    }

    void chooseDeviceShowsTheCurrentDeviceAndStoresTheNewOne() {
        const AppFolder folder;
        auto window = folder.start();
        window->menu().ports[1]->trigger();

        QStringList rows;
        const ModalAnswer answer([&](QWidget* dialog) {
            auto* choice = qobject_cast<PortChoiceDialog*>(dialog);
            QVERIFY(choice != nullptr);
            QCOMPARE(choice->deviceField()->text(), QStringLiteral("/dev/ttyUSB1"));
            const QTreeWidget* list = choice->portList();
            for (int row = 0; row < list->topLevelItemCount(); ++row) {
                rows << list->topLevelItem(row)->text(0) + QLatin1Char('|') +
                            list->topLevelItem(row)->text(4);
            }
            choice->deviceField()->setText(QStringLiteral("  /dev/ttyACM0 "));
            choice->accept();
        });
        window->menu().chooseDevice->trigger();
        QVERIFY(answer.answered());
        // The current device is listed with whether it can be opened, even when it is gone;
        // the reason is in the window's language.
        const bool present = QFileInfo::exists(QStringLiteral("/dev/ttyUSB1"));
        QVERIFY2(present || rows.contains(QStringLiteral(
                                "/dev/ttyUSB1|/dev/ttyUSB1 不存在：请检查写频线是否已插好、"
                                "端口名称是否正确")),
                 qPrintable(rows.join(QLatin1Char('\n'))));
        QCOMPARE(window->portPath(), QStringLiteral("/dev/ttyACM0"));
        QCOMPARE(window->menu().ports[1]->statusTip(), QStringLiteral("/dev/ttyACM0"));
        window->close();

        const QSettings file(folder.file(QStringLiteral("myini.ini")), QSettings::IniFormat);
        QCOMPARE(file.value(QStringLiteral("ports/com2")).toString(),
                 QStringLiteral("/dev/ttyACM0"));
        QCOMPARE(file.value(QStringLiteral("ports/com1")).toString(),
                 QStringLiteral("/dev/ttyUSB0"));
    }

    void theBackupsFolderOpensInTheFileManagerOrSaysWhyNot() {
        const QTemporaryDir home;
        const AppFolder folder;
        auto window = folder.start();
        {
            const ScopedVariable data("XDG_DATA_HOME", home.filePath("data").toStdString());
            const UrlCatcher catcher;
            window->menu().backupsFolder->trigger();
            const QString backups = home.filePath(QStringLiteral("data/hm3300d/backups"));
            QCOMPARE(catcher.opened, QList<QUrl>{QUrl::fromLocalFile(backups)});
            QVERIFY(QFileInfo(backups).isDir());
        }
        QFile blocker(home.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const ScopedVariable data("XDG_DATA_HOME", home.filePath("file").toStdString());
        QString warning;
        const ModalAnswer answer([&](QWidget* dialog) {
            warning = messageText(dialog);
            dialog->close();
        });
        window->menu().backupsFolder->trigger();
        QVERIFY(answer.answered());
        QVERIFY2(warning.startsWith(QStringLiteral("无法打开备份文件夹: 无法创建文件夹 \"")),
                 qPrintable(warning));
    }
};

int runDesktopTests(int argc, char** argv) {
    DesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace hm3300::app::test

#include "desktop_test.moc"

// myini.ini read and written without the window.

#include <QSettings>
#include <QtTest>

#include "app/app_settings.h"
#include "shell_fixture.h"

namespace hm3300::app::test {

namespace {

const model::BandList& list(const AppSettings& settings, model::BandListId id) {
    return settings.bands[id];
}

}  // namespace

class AppSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void openValuesOutsideTheirRangeReadAsDefaults_data() {
        QTest::addColumn<QByteArray>("open");
        QTest::addColumn<int>("com");
        QTest::addColumn<int>("commode");
        QTest::addColumn<int>("skin");
        QTest::newRow("stored") << QByteArray("com=4\ncommode=12\nskin=3") << 4 << 12 << 3;
        QTest::newRow("missing") << QByteArray() << 1 << 13 << 1;
        QTest::newRow("too large") << QByteArray("com=9\ncommode=14\nskin=4") << 1 << 13 << 1;
        QTest::newRow("zero") << QByteArray("com=0\ncommode=0\nskin=0") << 1 << 13 << 1;
        QTest::newRow("not numbers") << QByteArray("com=COM2\ncommode=x\nskin=") << 1 << 13 << 1;
    }

    void openValuesOutsideTheirRangeReadAsDefaults() {
        QFETCH(QByteArray, open);
        QFETCH(int, com);
        QFETCH(int, commode);
        QFETCH(int, skin);
        const AppFolder folder;
        folder.write(QStringLiteral("myini.ini"), "[open]\n" + open + "\n");
        const AppSettings settings = AppSettings::load(folder.path());
        QCOMPARE(settings.com, com);
        QCOMPARE(settings.commMode, commode);
        QCOMPARE(settings.skin, skin);
    }

    void eachBandListReadsItsOwnKeys() {
        const AppFolder folder;
        folder.write(QStringLiteral("myini.ini"),
                     "[list1_rx]\nlistcount=2\ncombo0=136-174MHz\ncombo1=400-470MHz\nlistnow=1\n"
                     "[list1_tx]\nlist2count=1\ncom2bo0=136-174MHz\nlist2now=0\n"
                     "[list2_rx]\nlist3count=1\ncom3bo0=350-390MHz\nlist3now=-1\n"
                     "[list2_tx]\nlist4count=1\ncom4bo0=350-390MHz\nlist4now=0\n");
        const AppSettings settings = AppSettings::load(folder.path());
        const model::BandList rx = list(settings, model::BandListId::BAND_Rx);
        QCOMPARE(rx.entries, (std::vector<std::string>{"136-174MHz", "400-470MHz"}));
        QCOMPARE(rx.selected, 1);
        QCOMPARE(list(settings, model::BandListId::BAND_Tx).selectedText(), "136-174MHz");
        QCOMPARE(list(settings, model::BandListId::BAND_Rx1).entries.size(), 1u);
        QCOMPARE(list(settings, model::BandListId::BAND_Rx1).selected, -1);
        QCOMPARE(list(settings, model::BandListId::BAND_Tx1).selectedText(), "350-390MHz");
    }

    void bandListQuirks_data() {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<std::vector<std::string>>("entries");
        QTest::addColumn<int>("selected");
        QTest::newRow("entry key missing")
            << QByteArray("listcount=2\ncombo0=136-174MHz")
            << std::vector<std::string>{"136-174MHz", "400-470MHz"} << 0;
        QTest::newRow("keys beyond the count")
            << QByteArray("listcount=1\ncombo0=A\ncombo1=B") << std::vector<std::string>{"A"} << 0;
        QTest::newRow("now past the list")
            << QByteArray("listcount=2\ncombo0=A\ncombo1=B\nlistnow=2")
            << std::vector<std::string>{"A", "B"} << 0;
        QTest::newRow("now below -1") << QByteArray("listcount=1\ncombo0=A\nlistnow=-2")
                                      << std::vector<std::string>{"A"} << 0;
        QTest::newRow("empty list")
            << QByteArray("listcount=0\nlistnow=0") << std::vector<std::string>{} << -1;
        QTest::newRow("negative count")
            << QByteArray("listcount=-3\ncombo0=A") << std::vector<std::string>{} << -1;
        QTest::newRow("count not a number")
            << QByteArray("listcount=two\ncombo0=A") << std::vector<std::string>{} << -1;
    }

    void bandListQuirks() {
        QFETCH(QByteArray, section);
        QFETCH(std::vector<std::string>, entries);
        QFETCH(int, selected);
        const AppFolder folder;
        folder.write(QStringLiteral("myini.ini"), "[list1_rx]\n" + section + "\n");
        const model::BandList rx =
            list(AppSettings::load(folder.path()), model::BandListId::BAND_Rx);
        QCOMPARE(rx.entries, entries);
        QCOMPARE(rx.selected, selected);
    }

    void aHugeCountIsBounded() {
        const AppFolder folder;
        folder.write(QStringLiteral("myini.ini"), "[list1_rx]\nlistcount=2000000000\n");
        const model::BandList rx =
            list(AppSettings::load(folder.path()), model::BandListId::BAND_Rx);
        QVERIFY(rx.entries.size() < 1000);
    }

    void writtenSettingsReadBackAndKeepKeysBeyondTheCount() {
        const AppFolder folder;
        folder.write(QStringLiteral("myini.ini"), "[list1_rx]\nlistcount=3\ncombo2=OLD\n");
        AppSettings settings;
        settings.com = 3;
        settings.commMode = kSingleHead;
        settings.skin = 2;
        settings.fastLink = true;
        settings.bands[model::BandListId::BAND_Rx] = {{"136-174MHz"}, 0};
        settings.bands[model::BandListId::BAND_Tx1] = {{"350-390MHz", "400-470MHz"}, 1};
        settings.portPaths[1] = QStringLiteral("/dev/ttyACM0");
        QCOMPARE(settings.save(folder.path()), QString());

        const AppSettings back = AppSettings::load(folder.path());
        QCOMPARE(back.com, 3);
        QCOMPARE(back.commMode, kSingleHead);
        QCOMPARE(back.skin, 2);
        QVERIFY(back.fastLink);
        QVERIFY(back.bands == settings.bands);
        QVERIFY(back.portPaths == settings.portPaths);
        const QSettings file(folder.file(QStringLiteral("myini.ini")), QSettings::IniFormat);
        QCOMPARE(file.value(QStringLiteral("list1_rx/combo2")).toString(), QStringLiteral("OLD"));
        // A section of its own, which older versions ignore.
        QCOMPARE(file.value(QStringLiteral("link/fast")).toInt(), 1);
        QCOMPARE(file.value(QStringLiteral("list2_tx/list4now")).toInt(), 1);
        QCOMPARE(file.value(QStringLiteral("list2_tx/com4bo1")).toString(),
                 QStringLiteral("400-470MHz"));
    }

    void anUnwritableFolderIsReported() {
        const AppFolder folder;
        // A plain file where the folder should be: nothing can be created inside it.
        folder.write(QStringLiteral("plain"), "x");
        const QString error = AppSettings{}.save(folder.file(QStringLiteral("plain")));
        QVERIFY2(error.contains(QStringLiteral("myini.ini")), qPrintable(error));
    }
};

int runAppSettingsTests(int argc, char** argv) {
    AppSettingsTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace hm3300::app::test

#include "app_settings_test.moc"

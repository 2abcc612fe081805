// Warnings and their details speak the language of the window: a Chinese interface shows no
// English words but data (file names, values from a file, the CSV layout's own names), and
// the English one no Chinese.

#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include "app/confirm_dialog.h"
#include "csv/channel_columns.h"
#include "shell_fixture.h"
#include "support/environment.h"

namespace hm3300::app::test {

namespace {

using testing::ScopedVariable;

// A CSV channel list with a row for each reason a row is skipped or changed, in the Name,
// the frequencies, the tones, Mode and Skip.
constexpr const char* kRowsToReport =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,Skip\r\n"
    "1,repeater1,435,,,,,,,,,,FM,\r\n"
    "1,,436,,,,,,,,,,FM,\r\n"
    "0,,435,,,,,,,,,,FM,\r\n"
    ",,435,,,,,,,,,,FM,\r\n"
    "3,,abc,,,,,,,,,,FM,\r\n"
    "4,,480,,,,,,,,,,FM,\r\n"
    "5,,435,+,40,,,,,,,,FM,\r\n"
    "6,,435,off,,,,,,,,,FM,\r\n"
    "7,,435,x,,,,,,,,,FM,\r\n"
    "8,,435,,,,,,,,,,AM,\r\n"
    "9,,435,,,,,,,,,,FM,P\r\n"
    "10,,435,,,Tone,88.6,,,,,,FM,\r\n"
    "11,,435,,,DTCS,,,023,NX,,,FM,\r\n"
    "12,,435,,,DTCS,,,999,NN,,,FM,\r\n"
    "13,,435,,,Cross,,,,,,Tone->,FM,\r\n"
    "14,,435,,,Bad,,,,,,,FM,\r\n"
    "15,\xFF,435,,,,,,,,,,FM,\r\n"
    "16,,435\r\n";

// The words of the window's own language a text may carry whatever the language: the CSV
// layout's column and value names, units, and the variables and commands it names.
const QSet<QString>& dataWords() {
    static const QSet<QString> words = [] {
        QSet<QString> names{
            QStringLiteral("FM"),    QStringLiteral("NFM"),   QStringLiteral("MHz"),
            QStringLiteral("Hz"),    QStringLiteral("CTCSS"), QStringLiteral("DCS"),
            QStringLiteral("TSQL"),  QStringLiteral("DTCS"),  QStringLiteral("Cross"),
            QStringLiteral("split"), QStringLiteral("off"),   QStringLiteral("UTF"),
            QStringLiteral("CSV")};
        for (std::size_t i = 0; i < csv::kColumnCount; ++i) {
            names.insert(QString::fromUtf8(csv::columnName(static_cast<csv::Column>(i))));
        }
        return names;
    }();
    return words;
}

// The words of Latin letters in `text` that are neither data, nor quoted, nor a path in
// `folder`: quoted texts are file names and values as a file holds them.
QStringList programWords(QString text, const QString& folder) {
    static const QRegularExpression quoted(QStringLiteral("\"[^\"]*\""));
    static const QRegularExpression word(QStringLiteral("[A-Za-z][A-Za-z0-9]*"));
    text.remove(QRegularExpression(QRegularExpression::escape(folder) +
                                   QStringLiteral("/[A-Za-z0-9._-]*")));
    text.remove(quoted);
    QStringList words;
    for (const QRegularExpressionMatch& match : word.globalMatch(text)) {
        const QString found = match.captured();
        if (found.size() > 1 && !dataWords().contains(found)) {
            words.append(found);
        }
    }
    return words;
}

bool hasChinese(const QString& text) {
    static const QRegularExpression han(QStringLiteral("\\p{Han}"));
    return text.contains(han);
}

// The caption, text and detail of the warning `dialog`, and closes it.
QString readAndClose(QWidget* dialog) {
    QString text = dialog->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        text += QLatin1Char('\n') + box->text();
        box->accept();
    } else if (auto* confirm = qobject_cast<ConfirmDialog*>(dialog)) {
        text += QLatin1Char('\n') + confirm->textLabel()->text() + QLatin1Char('\n') +
                confirm->detailText()->toPlainText();
        confirm->reject();
    }
    return text;
}

// The warning that `command` shows.
QString warningOf(const std::function<void()>& command) {
    QString text;
    const ModalAnswer answer([&text](QWidget* dialog) { text = readAndClose(dialog); });
    command();
    return answer.answered() ? text : QStringLiteral("no warning");
}

}  // namespace

class WarningLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void warningsAndTheirDetailsSpeakTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("simplified Chinese") << static_cast<int>(model::Language::Chinese);
        QTest::newRow("English") << static_cast<int>(model::Language::English);
        QTest::newRow("traditional Chinese") << static_cast<int>(model::Language::Taiwan);
    }

    void warningsAndTheirDetailsSpeakTheLanguage() {
        QFETCH(int, language);
        const AppFolder folder;
        folder.write(QStringLiteral("rows.csv"), kRowsToReport);
        folder.write(QStringLiteral("quote.csv"), "Location,Frequency\r\n1,\"435\r\n");
        folder.write(QStringLiteral("header.csv"), "Name\r\n");
        folder.write(QStringLiteral("blocker"), "");
        auto window = folder.start(folder.file(QStringLiteral("no-such-tty")));
        window->menu().languages[static_cast<std::size_t>(language)]->trigger();
        model::selectOrAddBand(window->document().codeplug().bands[model::BandListId::BAND_Rx],
                               "400-470MHz");
        QString csvPath;
        window->setCsvFileDialogs([&csvPath](QWidget*, const QString&) { return csvPath; }, {});
        window->setFileDialogs(
            [&folder](QWidget*, const QString&) { return folder.file(QStringLiteral("no.p46")); },
            {});

        QStringList warnings;
        warnings << warningOf([&] { window->openFile(); });
        warnings << warningOf([&] { window->readFromRadio(); });
        {
            const ScopedVariable data("XDG_DATA_HOME",
                                      folder.file(QStringLiteral("blocker")).toStdString());
            warnings << warningOf([&] { window->showBackupsFolder(); });
        }
        for (const char* name : {"quote.csv", "header.csv", "rows.csv"}) {
            csvPath = folder.file(QString::fromLatin1(name));
            warnings << warningOf([&] { window->importCsv(); });
        }

        QCOMPARE(warnings.size(), 6);
        // The caption, the text, the file and a line for each of the 18 rows reported.
        QCOMPARE(warnings.last().count(QLatin1Char('\n')), 20);
        for (const QString& warning : warnings) {
            QVERIFY2(warning != QStringLiteral("no warning"), "every command warns");
            if (static_cast<model::Language>(language) == model::Language::English) {
                QVERIFY2(!hasChinese(warning), qPrintable(warning));
            } else {
                const QStringList words = programWords(warning, folder.path());
                QVERIFY2(words.isEmpty(), qPrintable(words.join(QLatin1Char(' ')) +
                                                     QStringLiteral(" in\n") + warning));
            }
        }
    }

    // A refused write names each channel field as the window shows it: by its grid header,
    // or by its label or check box on the channel page; a field the window does not show
    // keeps its own name.
    void writeProblemsNameTheirFieldsAsTheWindowDoes() {
        const AppFolder folder;
        auto window = folder.start();
        window->menu().languages[static_cast<std::size_t>(model::Language::English)]->trigger();
        const std::pair<const char*, QString> cases[] = {
            {"RxTone", QStringLiteral("RX CTC/DCS")},
            {"Alias", QStringLiteral("Name")},
            {"VoiceMode", QStringLiteral("Voice mode")},
            {"TailElim", QStringLiteral("Tail elimination")},
            {"Vox", QStringLiteral("VOX")},
            {"RxCode", QStringLiteral("RxCode")},
        };
        for (const auto& [field, caption] : cases) {
            QCOMPARE(window->fieldCaption({1, field, {}}), caption);
        }
    }
};

int runWarningLanguageTests(int argc, char** argv) {
    WarningLanguageTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace hm3300::app::test

#include "warning_language_test.moc"

#include <gtest/gtest.h>

#include "csv/channel_csv.h"
#include "csv_fixture.h"
#include "model/tone_list.h"

namespace hm3300::csv::test {
namespace {

using model::ChannelField;
using model::ValueKind;

constexpr const char* kToneHeader =
    "Location,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
    "CrossMode\r\n";
constexpr const char* kOtherHeader = "Location,Name,Frequency,Mode,Skip,Power\r\n";

struct BadRow {
    const char* row;
    const char* problem;
};

// A new channel as the grid makes it, then with the fields a CSV row sets.
model::Channel newChannel(const char* rx, const char* tx, const char* rxTone, const char* txTone) {
    model::Channel channel;
    channel[ChannelField::RxFreq] = rx;
    channel.fillNewChannelDefaults(chineseTexts());
    channel[ChannelField::TxFreq] = tx;
    const std::string& off = chineseTexts().OffText;
    channel[ChannelField::RxTone] = rxTone;
    channel[ChannelField::RxCode] = std::to_string(model::ToneList::indexOf(rxTone, off));
    channel[ChannelField::TxTone] = txTone;
    channel[ChannelField::TxCode] = std::to_string(model::ToneList::indexOf(txTone, off));
    return channel;
}

template <typename Row>
std::string csvOf(const char* header, const std::vector<Row>& rows) {
    std::string text = header;
    for (const Row& row : rows) {
        text += std::string(row.row) + "\r\n";
    }
    return text;
}

// Imports the rows of bad cases into the sample: each is reported by its line, with its
// problem, and skipped; no channel changes.
void expectSkipped(const char* header, const std::vector<BadRow>& rows) {
    model::Codeplug codeplug = sampleCodeplug();
    const model::Codeplug before = codeplug;
    CsvImport result;
    ASSERT_FALSE(importChannelsCsv(csvOf(header, rows), codeplug, chineseTexts(), result));
    EXPECT_EQ(result.imported, 0);
    ASSERT_EQ(result.reports.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const RowReport& report = result.reports[i];
        EXPECT_EQ(report.line, static_cast<int>(i) + 2) << rows[i].row;
        EXPECT_TRUE(report.skipped) << rows[i].row;
        EXPECT_NE(report.problem.english().find(rows[i].problem), std::string::npos)
            << rows[i].row << ": " << report.problem;
    }
    EXPECT_EQ(codeplug, before);
}

struct ToneRow {
    const char* row;
    const char* rx;
    const char* tx;
    const char* rxTone;
    const char* txTone;
};

// The sample edits against 400-470MHz with the 6.25 kHz step.
TEST(ChannelCsvImport, EveryDuplexToneAndCrossModeSetsItsFrequenciesAndTones) {
    const std::vector<ToneRow> rows{
        {"20,435.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone", "435.00000", "435.00000",
         "禁用", "禁用"},
        {"21,435.000000,+,5.000000,Tone,88.5,100.0,023,NN,023,", "435.00000", "440.00000", "禁用",
         "88.5"},
        {"22,435.0001,-,5,TSQL,88.5,100.0,023,NN,023,", "435.00500", "430.00500", "100.0", "100.0"},
        {"23,446.00625,split,446.1,DTCS,,,754,RN,,", "446.00625", "446.10000", "D754N", "D754I"},
        {"24,435,,,Cross,88.5,100.0,023,NN,023,Tone->Tone", "435.00000", "435.00000", "100.0",
         "88.5"},
        {"25,435,,,Cross,67.0,,,NR,411,Tone->DTCS", "435.00000", "435.00000", "D411I", "67.0"},
        {"26,435,,,Cross,,123.0,125,RN,,DTCS->Tone", "435.00000", "435.00000", "123.0", "D125I"},
        {"27,435,,,Cross,,141.3,,,,->Tone", "435.00000", "435.00000", "141.3", "禁用"},
        {"28,435,,,Cross,,,,NN,065,->DTCS", "435.00000", "435.00000", "D065N", "禁用"},
        {"29,435,,,Cross,,,023,RN,,DTCS->", "435.00000", "435.00000", "禁用", "D023I"},
        {"30,435,,,Cross,,,023,NR,411,DTCS->DTCS", "435.00000", "435.00000", "D411I", "D023N"},
        // Words in any case, blanks around values, both band limits inside the band.
        {"031, 470 ,SPLIT, 400 ,cross,,, 23 ,nr,,dtcs->", "470.00000", "400.00000", "禁用",
         "D023N"},
        // The offset counts to the hertz, though the editor reads only whole 100 Hz.
        {"32,439.075000,-,7.606250,,,,,,,", "439.07500", "431.46875", "禁用", "禁用"},
    };
    model::Codeplug codeplug = sampleCodeplug();
    model::Codeplug expected = codeplug;
    for (const ToneRow& row : rows) {
        const int location = std::stoi(row.row);
        expected.channels.row(location) = newChannel(row.rx, row.tx, row.rxTone, row.txTone);
    }
    CsvImport result;
    ASSERT_FALSE(importChannelsCsv(csvOf(kToneHeader, rows), codeplug, chineseTexts(), result));
    EXPECT_EQ(result.imported, static_cast<int>(rows.size()));
    EXPECT_TRUE(result.reports.empty()) << describeRow(result.reports.front());
    for (int number = 20; number <= 32; ++number) {
        EXPECT_EQ(codeplug.channels.row(number), expected.channels.row(number)) << number;
    }
    EXPECT_EQ(codeplug, expected);
}

TEST(ChannelCsvImport, RowsWhoseLocationFrequencyOrTonesCannotBeRepresentedAreSkipped) {
    expectSkipped(
        kToneHeader,
        {
            {"40,abc,,,,,,,,,", "Frequency \"abc\" is not a frequency in MHz"},
            {"40,435,,,,,,,,,", "location 40 was given before, on line 2"},
            {"41,480,,,,,,,,,", "receive frequency 480.000000 MHz is outside the band 400-470MHz"},
            {"42,399.999,,,,,,,,,", "receive frequency 399.999000 MHz is outside"},
            {"43,435,+,40,,,,,,,", "transmit frequency 475.000000 MHz is outside"},
            {"44,435,-,,,,,,,,", "Offset \"\" is not a frequency in MHz"},
            {"45,435,off,0,,,,,,,", "Duplex \"off\" (transmit disabled) cannot be represented"},
            {"46,435,x,0,,,,,,,", "Duplex \"x\" is not nothing, +, -, split or off"},
            {"47,435,,,DTCS-R,,,,,,", "Tone \"DTCS-R\" is not a tone mode"},
            {"48,435,,,Cross,,,,,,Tone->", "CrossMode \"Tone->\" is not a cross mode"},
            {"49,435,,,TSQL,88.5,88.6,,,,", "cToneFreq \"88.6\" is not a CTCSS tone"},
            {"50,435,,,Tone,,,,,,", "rToneFreq \"\" is not a CTCSS tone"},
            {"51,435,,,DTCS,,,999,NN,,", "DtcsCode \"999\" is not a DCS code"},
            {"52,435,,,DTCS,,,023,NX,,", "DtcsPolarity \"NX\" is not two letters N or R"},
            {"53,435,,,Cross,,,,NN,018,->DTCS", "RxDtcsCode \"018\" is not a DCS code"},
            {"0,435,,,,,,,,,", "Location \"0\" is not a channel number from 1 to 128"},
            {"129,435,,,,,,,,,", "Location \"129\" is not a channel number"},
            {"x,435,,,,,,,,,", "Location \"x\" is not a channel number"},
            {",435,,,,,,,,,", "Location \"\" is not a channel number"},
            {"54,435", "the row has 2 fields where the header has 11"},
        });
}

struct OtherRow {
    const char* row;
    const char* alias;
    ValueKind bandwidth;
    ValueKind scanAdd;
    ValueKind power;
};

TEST(ChannelCsvImport, NameModeSkipAndPowerSetTheirFields) {
    const std::vector<OtherRow> rows{
        {"60,rpt-a!,435,FM,,High", "RPT-A", ValueKind::Wide, ValueKind::On, ValueKind::High},
        {"61,\"ab,cd\",435,nfm,s,Low", "ABCD", ValueKind::Narrow, ValueKind::Off, ValueKind::Low},
        {"62,,435,FM,,low power", "", ValueKind::Wide, ValueKind::On, ValueKind::Low},
        {"63,,435,FM,,0.5W", "", ValueKind::Wide, ValueKind::On, ValueKind::Low},
        {"64,,435,FM,,1.9 W", "", ValueKind::Wide, ValueKind::On, ValueKind::Low},
        {"65,,435,FM,,1", "", ValueKind::Wide, ValueKind::On, ValueKind::Low},
        {"66,,435,FM,,2W", "", ValueKind::Wide, ValueKind::On, ValueKind::High},
        {"67,,435,FM,,10W", "", ValueKind::Wide, ValueKind::On, ValueKind::High},
        {"68,,435,FM,,", "", ValueKind::Wide, ValueKind::On, ValueKind::High},
        {"69,,435,FM,,Mid", "", ValueKind::Wide, ValueKind::On, ValueKind::High},
        {"70,repeater1,435,FM,,High", "REPEAT", ValueKind::Wide, ValueKind::On, ValueKind::High},
    };
    model::Codeplug codeplug = sampleCodeplug();
    CsvImport result;
    ASSERT_FALSE(importChannelsCsv(csvOf(kOtherHeader, rows), codeplug, chineseTexts(), result));
    EXPECT_EQ(result.imported, static_cast<int>(rows.size()));
    for (const OtherRow& row : rows) {
        model::Channel expected = newChannel("435.00000", "435.00000", "禁用", "禁用");
        expected[ChannelField::Alias] = row.alias;
        expected[ChannelField::Bandwidth] = chineseTexts().text(row.bandwidth);
        expected[ChannelField::ScanAdd] = chineseTexts().text(row.scanAdd);
        expected[ChannelField::Power] = chineseTexts().text(row.power);
        EXPECT_EQ(codeplug.channels.row(std::stoi(row.row)), expected) << row.row;
    }
    ASSERT_EQ(result.reports.size(), 1u);
    EXPECT_EQ(describeRow(result.reports[0]).english(),
              "line 12, location 70: Name \"repeater1\" is cut to \"REPEAT\", six characters");
}

TEST(ChannelCsvImport, RowsWhoseModeSkipOrNameCannotBeRepresentedAreSkipped) {
    expectSkipped(kOtherHeader,
                  {
                      {"71,AM,435,AM,,High", "Mode \"AM\" cannot be represented"},
                      {"72,,435,DV,,High", "Mode \"DV\" cannot be represented"},
                      {"73,,435,,,High", "Mode \"\" cannot be represented"},
                      {"74,,435,FM,P,High", "Skip \"P\" is not nothing (scanned) or S (skipped)"},
                      {"75,\xFF\xFE,435,FM,,High", "Name is not UTF-8 text"},
                  });
}

TEST(ChannelCsvImport, AReportNamesLineAndLocationAndSaysWhatBecameOfTheRow) {
    EXPECT_EQ(describeRow({5, "200", "Location \"200\" is wrong", true}).english(),
              "line 5, location 200: Location \"200\" is wrong; the row is skipped");
    EXPECT_EQ(describeRow({3, "", "Location \"\" is wrong", true}).english(),
              "line 3: Location \"\" is wrong; the row is skipped");
    EXPECT_EQ(describeRow({4, "1\x1B", "cut", false}).english(), "line 4, location 1\\x1B: cut");
}

// Columns in any order, a column of another program, a byte order mark, blank lines and a
// spreadsheet's empty row.
TEST(ChannelCsvImport, ColumnsTheHeaderLacksAreNotCarried) {
    model::Codeplug codeplug = sampleCodeplug();
    model::Codeplug expected = codeplug;
    expected.channels.row(4)[ChannelField::RxFreq] = "439.00000";
    expected.channels.row(30) = newChannel("435.00000", "435.00000", "禁用", "禁用");
    CsvImport result;
    ASSERT_FALSE(
        importChannelsCsv("\xEF\xBB\xBF"
                          "Frequency,Extra, location \r\n439,x,4\r\n\r\n,,\r\n435,,30\n",
                          codeplug, chineseTexts(), result));
    EXPECT_EQ(result.imported, 2);
    EXPECT_TRUE(result.reports.empty());
    EXPECT_EQ(codeplug, expected);
}

TEST(ChannelCsvImport, AFileThatCannotBeReadImportsNothing) {
    const std::pair<std::string, const char*> cases[] = {
        {"",
         "the file holds no header line; a channel list starts with the line "
         "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
         "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,"
         "RPT2CALL,DVCODE"},
        {"\r\n\r\nName,Frequency\r\n1,435\r\n", "line 3: the header lacks Location; a channel"},
        {"Location,Name\r\n", "line 1: the header lacks Frequency;"},
        {"Name\r\n", "line 1: the header lacks Location and Frequency;"},
        {"Location,Frequency,location\r\n", "line 1: the header names the column Location twice"},
        {"Location,Frequency\r\n1,435\r\n2,\"435\r\n3,435\r\n",
         "line 3, field 2: the quoted field is never closed"},
    };
    for (const auto& [text, message] : cases) {
        model::Codeplug codeplug = sampleCodeplug();
        const model::Codeplug before = codeplug;
        CsvImport result{7, {{1, "1", "kept", true}}};
        const auto error = importChannelsCsv(text, codeplug, chineseTexts(), result);
        ASSERT_TRUE(error) << text;
        EXPECT_TRUE(error->message.english().starts_with(message)) << error->message;
        EXPECT_EQ(codeplug, before);
        EXPECT_EQ(result.imported, 7);
        EXPECT_EQ(result.reports.size(), 1u);
    }
}

TEST(ChannelCsvImport, AnUnreadableBandImportsNothing) {
    model::Codeplug codeplug = sampleCodeplug();
    model::selectOrAddBand(codeplug.bands[model::BandListId::BAND_Rx], "4OO-470MHz");
    const model::Codeplug before = codeplug;
    CsvImport result;
    const auto error =
        importChannelsCsv("Location,Frequency\r\n", codeplug, chineseTexts(), result);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message.english(),
              "the band \"4OO-470MHz\" cannot be read as a frequency range such as 400-470MHz");
    EXPECT_EQ(codeplug, before);
}

}  // namespace
}  // namespace hm3300::csv::test

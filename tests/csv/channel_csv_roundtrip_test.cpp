#include <gtest/gtest.h>

#include "csv/channel_csv.h"
#include "csv/csv_records.h"
#include "csv_fixture.h"
#include "model/tone_list.h"

namespace hm3300::csv::test {
namespace {

using model::ChannelField;

// The fields a CSV row carries; the others are the channel's own.
constexpr ChannelField kCarried[] = {
    ChannelField::RxFreq,  ChannelField::TxFreq, ChannelField::RxTone, ChannelField::TxTone,
    ChannelField::RxCode,  ChannelField::TxCode, ChannelField::Power,  ChannelField::Bandwidth,
    ChannelField::ScanAdd, ChannelField::Alias,
};

CsvImport importInto(model::Codeplug& codeplug, const std::string& text) {
    CsvImport result;
    const auto error = importChannelsCsv(text, codeplug, chineseTexts(), result);
    EXPECT_FALSE(error) << error->message;
    return result;
}

TEST(ChannelCsvRoundTrip, ImportingTheExportChangesNoChannel) {
    model::Codeplug codeplug = sampleCodeplug();
    const model::Codeplug before = codeplug;
    const CsvImport result = importInto(codeplug, exportChannelsCsv(codeplug, chineseTexts()));
    EXPECT_EQ(result.imported, 12);
    EXPECT_TRUE(result.reports.empty());
    EXPECT_EQ(codeplug, before);
}

// Into empty rows the channels come back with what the CSV carries and the grid's
// defaults for the rest.
TEST(ChannelCsvRoundTrip, EmptiedChannelsComeBackWithWhatTheCsvCarries) {
    const model::Codeplug sample = sampleCodeplug();
    model::Codeplug codeplug = sample;
    codeplug.channels.clearAll();
    importInto(codeplug, exportChannelsCsv(sample, chineseTexts()));
    for (int number = 1; number <= model::ChannelTable::kRows; ++number) {
        const model::Channel& original = sample.channels.row(number);
        model::Channel expected;
        if (original.exists()) {
            expected[ChannelField::RxFreq] = original[ChannelField::RxFreq];
            expected.fillNewChannelDefaults(chineseTexts());
            for (ChannelField field : kCarried) {
                expected[field] = original[field];
            }
        }
        EXPECT_EQ(codeplug.channels.row(number), expected) << "channel " << number;
    }
}

struct TonePair {
    const char* rx;
    const char* tx;
    const char* columns;  // Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode
};

// Every pair of receive and transmit tone kinds, and one DCS code with two polarities.
constexpr TonePair kTonePairs[] = {
    {"禁用", "禁用", ",88.5,88.5,023,NN,023,Tone->Tone"},
    {"禁用", "67.0", "Tone,67.0,88.5,023,NN,023,Tone->Tone"},
    {"100.0", "100.0", "TSQL,88.5,100.0,023,NN,023,Tone->Tone"},
    {"D754I", "D754I", "DTCS,88.5,88.5,754,RR,023,Tone->Tone"},
    {"D023N", "D023I", "DTCS,88.5,88.5,023,RN,023,Tone->Tone"},
    {"100.0", "67.0", "Cross,67.0,100.0,023,NN,023,Tone->Tone"},
    {"D411I", "67.0", "Cross,67.0,88.5,023,NR,411,Tone->DTCS"},
    {"123.0", "D125I", "Cross,88.5,123.0,125,RN,023,DTCS->Tone"},
    {"141.3", "禁用", "Cross,88.5,141.3,023,NN,023,->Tone"},
    {"D065N", "禁用", "Cross,88.5,88.5,023,NN,065,->DTCS"},
    {"禁用", "D023I", "Cross,88.5,88.5,023,RN,023,DTCS->"},
    {"D411I", "D023N", "Cross,88.5,88.5,023,NR,411,DTCS->DTCS"},
};

std::string toneColumnsOf(const CsvRecord& record) {
    std::string columns;
    for (std::size_t i = 5; i <= 11; ++i) {
        columns += (i == 5 ? "" : ",") + record.fields[i];
    }
    return columns;
}

TEST(ChannelCsvRoundTrip, EveryTonePairIsWrittenInItsModeAndReadBackAsItWas) {
    model::Codeplug codeplug = sampleCodeplug();
    codeplug.channels.clearAll();
    const char* transmitFrequencies[] = {"430.00000", "435.00000", "440.00000"};
    for (std::size_t i = 0; i < std::size(kTonePairs); ++i) {
        model::Channel& channel = codeplug.channels.row(static_cast<int>(i) + 1);
        channel[ChannelField::RxFreq] = "435.00000";
        channel.fillNewChannelDefaults(chineseTexts());
        channel[ChannelField::TxFreq] = transmitFrequencies[i % 3];
        channel[ChannelField::RxTone] = kTonePairs[i].rx;
        channel[ChannelField::TxTone] = kTonePairs[i].tx;
        const std::string& off = chineseTexts().OffText;
        channel[ChannelField::RxCode] =
            std::to_string(model::ToneList::indexOf(kTonePairs[i].rx, off));
        channel[ChannelField::TxCode] =
            std::to_string(model::ToneList::indexOf(kTonePairs[i].tx, off));
    }
    const std::string text = exportChannelsCsv(codeplug, chineseTexts());
    std::vector<CsvRecord> records;
    ASSERT_FALSE(parseCsvRecords(text, records));
    ASSERT_EQ(records.size(), std::size(kTonePairs) + 1);
    for (std::size_t i = 0; i < std::size(kTonePairs); ++i) {
        EXPECT_EQ(toneColumnsOf(records[i + 1]), kTonePairs[i].columns)
            << kTonePairs[i].rx << " " << kTonePairs[i].tx;
    }

    model::Codeplug imported = codeplug;
    imported.channels.clearAll();
    importInto(imported, text);
    EXPECT_EQ(imported.channels, codeplug.channels);
}

}  // namespace
}  // namespace hm3300::csv::test

#include <gtest/gtest.h>

#include "csv/channel_csv.h"
#include "csv/csv_records.h"
#include "csv_fixture.h"
#include "model/tone_list.h"
#include "support/temporary_folder.h"

namespace hm3300::csv::test {
namespace {

using model::ChannelField;

TEST(ChannelCsvExport, TheSampleGivesTheWrittenOutFile) {
    EXPECT_EQ(exportChannelsCsv(sampleCodeplug(), chineseTexts()),
              testing::readBytes(std::string(HM3300_SOURCE_DIR) + "/tests/csv/sample.csv"));
}

// The text of a channel that holds no number travels as it is, for the import to report.
TEST(ChannelCsvExport, FrequenciesThatAreNoNumberAreWrittenAsTheyAre) {
    model::Codeplug codeplug = sampleCodeplug();
    codeplug.channels.row(1)[ChannelField::TxFreq] = "43x.12500";
    codeplug.channels.row(2)[ChannelField::RxFreq] = "44x.00625";
    const std::string text = exportChannelsCsv(codeplug, chineseTexts());
    EXPECT_NE(text.find("\r\n1,CALL,435.125000,split,43x.12500,"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\n2,PMR1,44x.00625,split,446.006250,"), std::string::npos) << text;
}

}  // namespace
}  // namespace hm3300::csv::test

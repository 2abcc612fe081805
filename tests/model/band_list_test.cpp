#include "model/band_list.h"
#include "model/codeplug.h"

#include <gtest/gtest.h>

namespace hm3300::model {
namespace {

TEST(BandList, SelectOrAddAppendsOnlyUnknownTexts) {
    BandList list;
    selectOrAddBand(list, "400-470MHz");
    EXPECT_EQ(list.entries, std::vector<std::string>{"400-470MHz"});
    EXPECT_EQ(list.selected, 0);

    list.entries = {"136-174MHz", "400-470MHz", "400-480MHz"};
    list.selected = 0;
    selectOrAddBand(list, "400-470MHz");
    EXPECT_EQ(list.entries.size(), 3u);
    EXPECT_EQ(list.selected, 1);
    EXPECT_EQ(list.selectedText(), "400-470MHz");

    selectOrAddBand(list, "350-390MHz");
    EXPECT_EQ(list.entries.back(), "350-390MHz");
    EXPECT_EQ(list.selected, 3);
}

TEST(BandList, NothingSelectedGivesEmptyText) {
    BandList list{{"400-470MHz"}, -1};
    EXPECT_EQ(list.selectedText(), "");
    list.selected = 5;
    EXPECT_EQ(list.selectedText(), "");
}

TEST(BandList, RangeIsReadFromFixedPositions) {
    auto range = parseBandRange("400-470MHz");
    ASSERT_TRUE(range);
    EXPECT_EQ(range->lower, 400);
    EXPECT_EQ(range->upper, 470);
    EXPECT_FALSE(parseBandRange("FFF-FFFMHz"));
    EXPECT_FALSE(parseBandRange("40-470MHz"));
    EXPECT_FALSE(parseBandRange(""));
}

TEST(Codeplug, BandIndexOneSelectsBandOneReceiveList) {
    Codeplug codeplug;
    selectOrAddBand(codeplug.bands[BandListId::BAND_Rx], "400-470MHz");
    selectOrAddBand(codeplug.bands[BandListId::BAND_Rx1], "136-174MHz");
    EXPECT_EQ(activeReceiveBand(codeplug).selectedText(), "400-470MHz");
    codeplug.settings.setChoice(Option::Band, 0);
    EXPECT_EQ(activeReceiveBand(codeplug).selectedText(), "136-174MHz");
}

}  // namespace
}  // namespace hm3300::model

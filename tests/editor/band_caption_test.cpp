#include "editor/band_caption.h"

#include <gtest/gtest.h>

namespace hm3300::editor {
namespace {

using model::BandListId;

TEST(BandCaption, NamesTheBandOneReceiveRangeWhateverElseIsSelected) {
    model::BandLists bands;
    bands[BandListId::BAND_Rx] = {{"136-174MHz", "400-470MHz"}, 1};
    bands[BandListId::BAND_Rx1] = {{"350-390MHz"}, 0};
    EXPECT_EQ(bandCaption(bands), "HM-3300D    [400-470MHz]");

    bands[BandListId::BAND_Rx].selected = -1;
    EXPECT_EQ(bandCaption(bands), "HM-3300D    []");
}

TEST(BandCaption, EveryListButBandOneTransmitRenewsIt) {
    EXPECT_TRUE(renewsBandCaption(BandListId::BAND_Rx));
    EXPECT_FALSE(renewsBandCaption(BandListId::BAND_Tx));
    EXPECT_TRUE(renewsBandCaption(BandListId::BAND_Rx1));
    EXPECT_TRUE(renewsBandCaption(BandListId::BAND_Tx1));
}

}  // namespace
}  // namespace hm3300::editor

#include "editor/channel_commands.h"

#include <gtest/gtest.h>

#include "editing_fixture.h"

namespace hm3300::editor {
namespace {

using test::ChannelField;

class ChannelCommands : public ::testing::Test {
protected:
    model::Codeplug codeplug = test::editingCodeplug();
    model::ValueTexts texts = test::chineseTexts();
    model::Channel five = test::sampleChannel("435.12500", texts);
    model::Channel six = test::sampleChannel("446.00625", texts);

    model::Channel& row(int number) { return codeplug.channels.row(number); }
};

TEST_F(ChannelCommands, MoveDownOntoAnEmptyRowTakesTheHiddenAttributesAlong) {
    row(5) = five;
    EditState state{5, GridColumn::RxFreq, 0, false};
    ASSERT_FALSE(moveChannelDown(state, codeplug, texts));
    EXPECT_EQ(row(5), model::Channel());
    EXPECT_EQ(row(6), five);
    EXPECT_EQ(state.currentLine, 6);

    row(7) = six;
    ASSERT_FALSE(moveChannelUp(state, codeplug, texts));
    EXPECT_EQ(row(5), five);
    EXPECT_EQ(state.currentLine, 5);
    ASSERT_FALSE(moveChannelDown(state, codeplug, texts));
    ASSERT_FALSE(moveChannelDown(state, codeplug, texts));
    EXPECT_EQ(row(6), six) << "swapped with its neighbour";
    EXPECT_EQ(row(7), five);
}

TEST_F(ChannelCommands, TheCellInTheChosenColumnDecidesWhetherARowMoves) {
    struct Case {
        int column;
        const char* alias;
        bool moves;
    };
    const Case cases[] = {
        {GridColumn::Alias, "", false},    {GridColumn::Alias, "RPT", true},
        {GridColumn::Power, "", true},     {GridColumn::More, "", true},
        {GridColumn::Label, "RPT", false},
    };
    for (const Case& c : cases) {
        row(5) = five;
        row(5)[ChannelField::Alias] = c.alias;
        const model::Channel moved = row(5);
        row(4).clear();
        EditState state{5, c.column, 0, false};
        ASSERT_FALSE(moveChannelUp(state, codeplug, texts));
        EXPECT_EQ(row(4) == moved, c.moves) << c.column << " " << c.alias;
        EXPECT_EQ(state.currentLine, c.moves ? 4 : 5);
    }
    // With ">>" chosen an empty row moves too.
    codeplug.channels.clearAll();
    row(9) = six;
    EditState state{10, GridColumn::More, 0, false};
    ASSERT_FALSE(moveChannelUp(state, codeplug, texts));
    EXPECT_EQ(row(10), six);
}

TEST_F(ChannelCommands, NothingMovesBeyondTheFirstAndLastRow) {
    row(1) = five;
    row(128) = six;
    EditState top{1, GridColumn::RxFreq, 0, false};
    EditState bottom{128, GridColumn::RxFreq, 0, false};
    ASSERT_FALSE(moveChannelUp(top, codeplug, texts));
    ASSERT_FALSE(moveChannelDown(bottom, codeplug, texts));
    EXPECT_EQ(row(1), five);
    EXPECT_EQ(row(128), six);
    EXPECT_EQ(top.currentLine, 1);
    EXPECT_EQ(bottom.currentLine, 128);
}

TEST_F(ChannelCommands, AMoveCommitsFirstAndStopsWhenTheCommitCannot) {
    row(5)[ChannelField::RxFreq] = "435";
    EditState state{5, GridColumn::RxFreq, 0, false};
    ASSERT_FALSE(moveChannelDown(state, codeplug, texts));
    EXPECT_EQ(row(6)[ChannelField::RxFreq], "435.00000");
    EXPECT_EQ(row(6)[ChannelField::Power], texts.HighText);

    codeplug.bands[model::BandListId::BAND_Rx] = {{"x"}, 0};
    row(6)[ChannelField::RxFreq] = "436";
    EXPECT_TRUE(moveChannelDown(state, codeplug, texts));
    EXPECT_EQ(row(6)[ChannelField::RxFreq], "436");
    EXPECT_EQ(state.currentLine, 6);
}

TEST_F(ChannelCommands, DeleteEmptiesAllSixteenFieldsAtOnce) {
    row(5) = five;
    deleteChannel(EditState{5, GridColumn::Power, 0, false}, codeplug.channels);
    EXPECT_EQ(row(5), model::Channel());
}

}  // namespace
}  // namespace hm3300::editor

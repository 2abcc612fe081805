#include "editor/auto_add.h"

#include <gtest/gtest.h>

#include <vector>

#include "editing_fixture.h"

namespace hm3300::editor {
namespace {

using test::ChannelField;

class AutoAdd : public ::testing::Test {
protected:
    model::Codeplug codeplug = test::editingCodeplug();
    model::ValueTexts texts = test::chineseTexts();
    EditState state;

    // The press and `repeats` repeats of the held button; the receive frequencies of rows
    // `first` to the current line.
    std::vector<std::string> hold(int repeats, int first) {
        EXPECT_FALSE(pressAutoAdd(state, codeplug, texts).error);
        for (int i = 0; i < repeats; ++i) {
            EXPECT_FALSE(repeatAutoAdd(state, codeplug, texts).error);
        }
        std::vector<std::string> frequencies;
        for (int row = first; row <= state.currentLine; ++row) {
            frequencies.push_back(codeplug.channels.row(row)[ChannelField::RxFreq]);
        }
        return frequencies;
    }

    void placeChannel(int row, const char* frequency) {
        codeplug.channels.row(row) = test::sampleChannel(frequency, texts);
        state.currentLine = row;
    }
};

TEST_F(AutoAdd, FillsAnEmptyRowAtTheBottomOfBandOneThenAddsOneStepAtATime) {
    const AutoAddStep press = pressAutoAdd(state, codeplug, texts);
    EXPECT_EQ(press.gridRow, 1);
    model::Channel expected;
    expected[ChannelField::RxFreq] = "400.00000";
    expected.fillNewChannelDefaults(texts);
    EXPECT_EQ(codeplug.channels.row(1), expected);

    const AutoAddStep repeat = repeatAutoAdd(state, codeplug, texts);
    EXPECT_EQ(repeat.gridRow, 2);
    EXPECT_FALSE(repeatAutoAdd(state, codeplug, texts).error);
    EXPECT_EQ(codeplug.channels.row(2)[ChannelField::RxFreq], "400.02500");
    EXPECT_EQ(codeplug.channels.row(3)[ChannelField::RxFreq], "400.05000");
    EXPECT_EQ(codeplug.channels.row(3)[ChannelField::TxFreq], "400.05000");
    EXPECT_EQ(state.currentLine, 3);
}

TEST_F(AutoAdd, WrapsToTheBottomOfBandOneAfterItsTop) {
    placeChannel(10, "469.97500");
    EXPECT_EQ(hold(1, 10), (std::vector<std::string>{"469.97500", "470.00000", "400.00000"}));
}

TEST_F(AutoAdd, StepsBySixPointTwoFiveKilohertz) {
    codeplug.settings.setChoice(model::Option::step, 1);
    placeChannel(20, "435.00000");
    EXPECT_EQ(hold(2, 20),
              (std::vector<std::string>{"435.00000", "435.00625", "435.01250", "435.01875"}));
}

TEST_F(AutoAdd, OverwritesTheChannelsBelowWithoutAsking) {
    placeChannel(31, "446.00000");
    codeplug.channels.row(30) = test::sampleChannel("435.00000", texts);
    state.currentLine = 30;
    hold(0, 30);
    model::Channel expected;
    expected[ChannelField::RxFreq] = "435.02500";
    expected.fillNewChannelDefaults(texts);
    EXPECT_EQ(codeplug.channels.row(31), expected);
}

TEST_F(AutoAdd, APressOnATypedButUncommittedChannelOnlyCommitsIt) {
    codeplug.channels.row(5)[ChannelField::RxFreq] = "435.1";
    state.currentLine = 5;
    const AutoAddStep press = pressAutoAdd(state, codeplug, texts);
    EXPECT_FALSE(press.gridRow);
    EXPECT_EQ(codeplug.channels.row(5)[ChannelField::TxFreq], "435.10000");
    EXPECT_FALSE(codeplug.channels.row(6).exists());
    EXPECT_EQ(state.currentLine, 5);
    // Holding on continues from it.
    EXPECT_EQ(repeatAutoAdd(state, codeplug, texts).gridRow, 6);
    EXPECT_EQ(codeplug.channels.row(6)[ChannelField::RxFreq], "435.12500");
}

TEST_F(AutoAdd, StartsAndWrapsInBandOneButClampsIntoTheActiveBand) {
    codeplug.settings.setChoice(model::Option::Band, 0);
    EXPECT_EQ(hold(2, 1), (std::vector<std::string>{"173.97500", "174.00000", "173.97500"}));
}

TEST_F(AutoAdd, StopsAtRow128) {
    placeChannel(127, "435.00000");
    hold(3, 127);
    EXPECT_EQ(state.currentLine, 128);
    EXPECT_TRUE(autoAddFinished(state));
    const AutoAddStep more = repeatAutoAdd(state, codeplug, texts);
    EXPECT_FALSE(more.gridRow);
    EXPECT_FALSE(more.error);
    EXPECT_FALSE(pressAutoAdd(state, codeplug, texts).gridRow);
}

TEST_F(AutoAdd, AnUnreadableBandAddsNothing) {
    for (const model::BandListId band : {model::BandListId::BAND_Rx, model::BandListId::BAND_Rx1}) {
        codeplug = test::editingCodeplug();
        codeplug.settings.setChoice(model::Option::Band, 0);
        codeplug.bands[band] = {{"400-47OMHz"}, 0};
        const model::Codeplug before = codeplug;
        const AutoAddStep press = pressAutoAdd(state, codeplug, texts);
        ASSERT_TRUE(press.error);
        EXPECT_EQ(press.error->text, "400-47OMHz");
        EXPECT_FALSE(press.gridRow);
        EXPECT_EQ(codeplug, before);
    }
}

}  // namespace
}  // namespace hm3300::editor

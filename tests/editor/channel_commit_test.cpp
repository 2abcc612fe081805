#include "editor/channel_commit.h"

#include <gtest/gtest.h>

#include "editing_fixture.h"

namespace hm3300::editor {
namespace {

using test::ChannelField;

class ChannelCommit : public ::testing::Test {
protected:
    model::Codeplug codeplug = test::editingCodeplug();
    model::ValueTexts texts = test::chineseTexts();
    model::Channel& channel = codeplug.channels.row(7);

    std::optional<EditError> commitAt(int column) {
        return commitEdit(EditState{7, column, 0, false}, codeplug, texts);
    }
};

TEST_F(ChannelCommit, ATypedReceiveFrequencyBecomesAChannelWithTheDefaults) {
    channel[ChannelField::RxFreq] = "435";
    // A row emptied by the radio read keeps its voice mode; the defaults replace it.
    channel[ChannelField::VoiceMode] = texts.ScramblerText;
    ASSERT_FALSE(commitAt(GridColumn::RxFreq));

    model::Channel expected;
    const std::pair<ChannelField, std::string> fields[] = {
        {ChannelField::RxFreq, "435.00000"}, {ChannelField::RxTone, "禁用"},
        {ChannelField::TxFreq, "435.00000"}, {ChannelField::TxTone, "禁用"},
        {ChannelField::Power, "高功率"},     {ChannelField::Bandwidth, "宽带"},
        {ChannelField::ScanAdd, "启用"},     {ChannelField::Dtmf, "禁用"},
        {ChannelField::PttId, "禁用"},       {ChannelField::Alias, ""},
        {ChannelField::TailElim, "启用"},    {ChannelField::Vox, "禁用"},
        {ChannelField::BusyLock, "禁用"},    {ChannelField::RxCode, "0"},
        {ChannelField::TxCode, "0"},         {ChannelField::VoiceMode, "禁用"},
    };
    for (const auto& [field, text] : fields) {
        expected[field] = text;
    }
    EXPECT_EQ(channel, expected);
}

TEST_F(ChannelCommit, AnExistingChannelNormalizesOnlyTheEditedFrequency) {
    channel = test::sampleChannel("435.00000", texts);
    channel[ChannelField::RxFreq] = "435.1";
    channel[ChannelField::TxFreq] = "440.0062";
    model::Channel expected = channel;
    expected[ChannelField::TxFreq] = "440.00625";
    ASSERT_FALSE(commitAt(GridColumn::TxFreq));
    EXPECT_EQ(channel, expected);

    expected[ChannelField::RxFreq] = "435.10000";
    ASSERT_FALSE(commitAt(GridColumn::RxFreq));
    EXPECT_EQ(channel, expected);

    // Columns other than the frequencies commit nothing.
    channel[ChannelField::TxFreq] = "441";
    expected[ChannelField::TxFreq] = "441";
    ASSERT_FALSE(commitAt(GridColumn::Power));
    EXPECT_EQ(channel, expected);
}

TEST_F(ChannelCommit, AnEmptiedTransmitFrequencyTakesTheReceiveFrequency) {
    channel = test::sampleChannel("435.12500", texts);
    for (const int column : {GridColumn::TxFreq, GridColumn::RxFreq}) {
        channel[ChannelField::TxFreq].clear();
        ASSERT_FALSE(commitAt(column));
        EXPECT_EQ(channel[ChannelField::TxFreq], "435.12500");
    }
}

TEST_F(ChannelCommit, AnEmptiedReceiveFrequencyEmptiesTheWholeChannel) {
    for (const int column : {GridColumn::RxFreq, GridColumn::TxFreq, GridColumn::Alias}) {
        channel = test::sampleChannel("435.12500", texts);
        // Delete on the grid empties the visible cells; the commit takes the rest.
        channel.clearVisible();
        ASSERT_FALSE(commitAt(column));
        EXPECT_EQ(channel, model::Channel()) << column;
    }
}

TEST_F(ChannelCommit, AnUnreadableBandChangesNothing) {
    codeplug.bands[model::BandListId::BAND_Rx] = {{"abc"}, 0};
    channel[ChannelField::RxFreq] = "435";
    const auto error = commitAt(GridColumn::RxFreq);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->text, "abc");
    model::Channel typed;
    typed[ChannelField::RxFreq] = "435";
    EXPECT_EQ(channel, typed);

    channel = test::sampleChannel("435.12500", texts);
    channel[ChannelField::TxFreq] = "";
    const model::Channel before = channel;
    EXPECT_TRUE(commitChannel(7, codeplug, texts));
    EXPECT_EQ(channel, before);
}

TEST_F(ChannelCommit, LeavingAChannelNormalizesBothFrequencies) {
    channel = test::sampleChannel("435.12500", texts);
    channel[ChannelField::RxFreq] = "435.1";
    channel[ChannelField::TxFreq] = "440.0062";
    ASSERT_FALSE(commitChannel(7, codeplug, texts));
    EXPECT_EQ(channel[ChannelField::RxFreq], "435.10000");
    EXPECT_EQ(channel[ChannelField::TxFreq], "440.00625");

    model::Channel& fresh = codeplug.channels.row(8);
    fresh[ChannelField::RxFreq] = "446";
    ASSERT_FALSE(commitChannel(8, codeplug, texts));
    EXPECT_EQ(fresh[ChannelField::TxFreq], "446.00000");
    EXPECT_EQ(fresh[ChannelField::TailElim], texts.OnText);
}

TEST_F(ChannelCommit, OnlyATypedFrequencyOrAChannelWithoutDefaultsIsPending) {
    EditState state{7, GridColumn::RxFreq, 0, false};
    EXPECT_FALSE(editPending(state, codeplug.channels));
    channel = test::sampleChannel("145.00000", texts);
    EXPECT_FALSE(editPending(state, codeplug.channels)) << "a channel of another band stays";
    state.frequencyTyped = true;
    EXPECT_TRUE(editPending(state, codeplug.channels));
    state.frequencyTyped = false;
    channel[ChannelField::RxTone].clear();
    EXPECT_TRUE(editPending(state, codeplug.channels));
}

}  // namespace
}  // namespace hm3300::editor

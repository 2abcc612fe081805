#include "editor/edit_history.h"

#include <gtest/gtest.h>

#include "editing_fixture.h"

namespace hm3300::editor {
namespace {

class EditHistoryTest : public ::testing::Test {
protected:
    model::ValueTexts texts = test::chineseTexts();
    model::Codeplug codeplug = test::editingCodeplug();
    EditHistory history{codeplug};
};

TEST_F(EditHistoryTest, StepsAreUndoneAndRedoneInOrder) {
    std::vector<model::Codeplug> states{codeplug};
    codeplug.channels.row(3) = test::sampleChannel("435.12500", texts);
    ASSERT_TRUE(history.record(codeplug));
    states.push_back(codeplug);
    codeplug.settings.setChoice(model::Option::APO, 5);
    codeplug.channels.row(3)[model::ChannelField::Alias] = "NEW";
    ASSERT_TRUE(history.record(codeplug));
    states.push_back(codeplug);
    EXPECT_FALSE(history.record(codeplug)) << "nothing changed, no step";

    for (int step = 2; step >= 1; --step) {
        ASSERT_TRUE(history.undo(codeplug));
        EXPECT_EQ(codeplug, states[static_cast<std::size_t>(step - 1)]);
    }
    EXPECT_FALSE(history.undo(codeplug));
    for (int step = 1; step <= 2; ++step) {
        ASSERT_TRUE(history.redo(codeplug));
        EXPECT_EQ(codeplug, states[static_cast<std::size_t>(step)]);
    }
    EXPECT_FALSE(history.redo(codeplug));
}

TEST_F(EditHistoryTest, UndoTakesInWhatWasNotRecordedAndANewStepDropsTheRedo) {
    const model::Codeplug start = codeplug;
    codeplug.channels.row(1) = test::sampleChannel("400.00000", texts);
    history.record(codeplug);
    ASSERT_TRUE(history.undo(codeplug));
    EXPECT_TRUE(history.canRedo());

    // Typed but never recorded: undo first makes it a step, then takes it back.
    codeplug.settings.setText(model::Option::BOT, "999");
    ASSERT_TRUE(history.undo(codeplug));
    EXPECT_EQ(codeplug, start);
    EXPECT_TRUE(history.canRedo());
    codeplug.channels.row(2) = test::sampleChannel("401.00000", texts);
    history.record(codeplug);
    EXPECT_FALSE(history.canRedo());
}

TEST_F(EditHistoryTest, TheBandListsAreNeitherUndoneNorUnsaved) {
    codeplug.channels.row(1) = test::sampleChannel("400.00000", texts);
    history.record(codeplug);
    model::selectOrAddBand(codeplug.bands[model::BandListId::BAND_Rx], "136-174MHz");
    const model::BandLists bands = codeplug.bands;
    ASSERT_TRUE(history.undo(codeplug));
    EXPECT_EQ(codeplug.bands, bands);
    EXPECT_FALSE(history.differsFromSaved(codeplug));
}

TEST_F(EditHistoryTest, SavedIsAComparisonWithTheStateLastSaved) {
    EXPECT_FALSE(history.differsFromSaved(codeplug));
    codeplug.channels.row(1) = test::sampleChannel("400.00000", texts);
    history.record(codeplug);
    EXPECT_TRUE(history.differsFromSaved(codeplug));
    history.markSaved(codeplug);
    EXPECT_FALSE(history.differsFromSaved(codeplug));
    history.undo(codeplug);
    EXPECT_TRUE(history.differsFromSaved(codeplug));
    history.redo(codeplug);
    EXPECT_FALSE(history.differsFromSaved(codeplug)) << "back on the saved state";
}

TEST_F(EditHistoryTest, TheOldestStepIsForgottenBeyondTheBound) {
    for (std::size_t i = 0; i < EditHistory::kMaxSteps + 5; ++i) {
        codeplug.settings.setNumber(model::Option::Pretime, static_cast<double>(i % 2 ? 100 : 200));
        ASSERT_TRUE(history.record(codeplug));
    }
    std::size_t undone = 0;
    while (history.undo(codeplug)) {
        ++undone;
    }
    EXPECT_EQ(undone, EditHistory::kMaxSteps);
}

// Another language's words reach every kept state, so that undo after a switch of language
// brings back channels in the words now shown, and the switch is no unsaved change.
TEST_F(EditHistoryTest, ALanguageSwitchRewritesEveryKeptState) {
    codeplug.channels.row(1) = test::sampleChannel("400.00000", texts);
    history.record(codeplug);
    history.markSaved(codeplug);
    codeplug.channels.row(2) = test::sampleChannel("401.00000", texts);
    history.record(codeplug);

    const model::ValueTexts english = model::ValueTexts::fromPack(
        *model::LanguagePack::parse("34=OFF\n35=ON\n36=High\n37=Low\n74=Wide\n75=Narrow\n"
                                    "78=Comp\n79=scrambler\n"));
    const auto toEnglish = [&english](model::Channel& channel) {
        channel.convertValueTexts(english);
    };
    codeplug.channels.convertValueTexts(english);
    history.rewriteChannels(toEnglish);
    EXPECT_FALSE(history.record(codeplug));

    ASSERT_TRUE(history.undo(codeplug));
    EXPECT_FALSE(history.differsFromSaved(codeplug));
    EXPECT_EQ(codeplug.channels.row(1)[model::ChannelField::Power], "High");
}

}  // namespace
}  // namespace hm3300::editor

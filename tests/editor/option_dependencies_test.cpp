#include "editor/option_dependencies.h"

#include <gtest/gtest.h>

namespace hm3300::editor {
namespace {

using model::Option;

TEST(WorkingMode, VfoForcesFrequencyDisplayAndLocksIt) {
    model::RadioSettings settings;
    EXPECT_FALSE(memoryDisplayEditable(settings));  // VFO at start
    settings.setChoice(Option::VFO_MR, 0);          // the operator chose "MR"
    EXPECT_TRUE(memoryDisplayEditable(settings));
    EXPECT_TRUE(applyWorkingModeChange(settings));
    settings.setChoice(Option::MR_freq_MR_CH, 0);  // then "MR CH"
    EXPECT_TRUE(applyWorkingModeChange(settings));
    EXPECT_EQ(settings.choice(Option::MR_freq_MR_CH), 0);

    settings.setChoice(Option::VFO_MR, 1);  // back to "VFO"
    EXPECT_FALSE(applyWorkingModeChange(settings));
    EXPECT_EQ(settings.choice(Option::MR_freq_MR_CH), 1);
}

TEST(ExpandedBand, TurningOffReturnsToBandOne) {
    model::RadioSettings settings;
    EXPECT_FALSE(bandEditable(settings));
    settings.setFlag(Option::Exp_Freq, true);
    EXPECT_TRUE(applyExpandedBandSet(settings));
    settings.setChoice(Option::Band, 0);
    EXPECT_TRUE(applyExpandedBandSet(settings));
    EXPECT_EQ(settings.choice(Option::Band), 0);

    settings.setFlag(Option::Exp_Freq, false);
    EXPECT_FALSE(applyExpandedBandSet(settings));
    EXPECT_EQ(settings.choice(Option::Band), 1);
}

TEST(PttIdType, ChoosesTheEditableCodes) {
    EXPECT_TRUE(editablePttIdCodes(0).bot);
    EXPECT_FALSE(editablePttIdCodes(0).eot);
    EXPECT_FALSE(editablePttIdCodes(1).bot);
    EXPECT_TRUE(editablePttIdCodes(1).eot);
    EXPECT_TRUE(editablePttIdCodes(2).bot);
    EXPECT_TRUE(editablePttIdCodes(2).eot);
}

TEST(CheckBoxRules, StunAndPasswordFollowTheirBoxes) {
    model::RadioSettings settings;
    EXPECT_TRUE(stunControlsEditable(settings));
    EXPECT_FALSE(passwordEditable(settings));
    settings.setFlag(Option::Stun, false);
    settings.setFlag(Option::ChangePassword, true);
    EXPECT_FALSE(stunControlsEditable(settings));
    EXPECT_TRUE(passwordEditable(settings));
}

}  // namespace
}  // namespace hm3300::editor

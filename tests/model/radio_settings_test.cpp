#include "model/radio_settings.h"

#include <gtest/gtest.h>

namespace hm3300::model {
namespace {

TEST(RadioSettings, StartsAtTheDefaults) {
    RadioSettings settings;
    EXPECT_EQ(settings.choice(Option::APO), 0);
    EXPECT_EQ(settings.choice(Option::scankind), 1);
    EXPECT_EQ(settings.choice(Option::step), 4);
    EXPECT_EQ(settings.choice(Option::TOT), 3);
    EXPECT_EQ(settings.choice(Option::Monitor), 2);
    EXPECT_EQ(settings.choice(Option::Band), 1);
    EXPECT_FALSE(settings.flag(Option::Exp_Freq));
    EXPECT_FALSE(settings.flag(Option::Key_Lock));
    EXPECT_TRUE(settings.flag(Option::EMG));
    EXPECT_EQ(settings.number(Option::Pretime), 400);
    EXPECT_EQ(settings.number(Option::Auto_Reset), 10);
    EXPECT_EQ(settings.text(Option::BOT), "12345");
    EXPECT_EQ(settings.text(Option::Private), "1000");
    EXPECT_EQ(settings.text(Option::Call0), "1000");
    EXPECT_EQ(settings.text(Option::Call9), "");
    EXPECT_EQ(settings.text(Option::Stun_Code), "");
    EXPECT_EQ(settings.choice(Option::Stun_Type), 1);
    EXPECT_EQ(settings.choice(Option::Key_Assignment), 1);
    EXPECT_EQ(settings.text(Option::Password), "580417");
    EXPECT_FALSE(settings.flag(Option::ChangePassword));
    EXPECT_EQ(settings.choice(Option::SpareKeyAssignment), 0);
}

TEST(RadioSettings, ResetRestoresEverythingButTheSpareKey) {
    RadioSettings settings;
    settings.setChoice(Option::SpareKeyAssignment, 2);
    settings.setChoice(Option::PTT_ID, 2);
    settings.setFlag(Option::ChangePassword, true);
    settings.setText(Option::Password, "123456");
    settings.setText(Option::Call3, "911");
    settings.setNumber(Option::Auto_Reset, 10.5);

    resetRadioSettings(settings);

    RadioSettings expected;
    expected.setChoice(Option::SpareKeyAssignment, 2);
    EXPECT_EQ(settings, expected);
}

TEST(Password, OnlySixCharactersStandForThemselves) {
    EXPECT_EQ(effectivePassword("12345"), "580417");
    EXPECT_EQ(effectivePassword(""), "580417");
    EXPECT_EQ(effectivePassword("1234567"), "580417");
    EXPECT_EQ(effectivePassword("123456"), "123456");
    EXPECT_TRUE(isRadioPassword("000000"));
    EXPECT_FALSE(isRadioPassword("12345a"));
    EXPECT_FALSE(isRadioPassword("12345"));
}

TEST(RadioSettings, FileKeysAndKindsFollowTheFileOrder) {
    EXPECT_EQ(optionDefinition(Option::StarHashDelay).key, "*&#Delay");
    EXPECT_EQ(optionDefinition(Option::MR_freq_MR_CH).key, "MR freq./MR CH");
    EXPECT_EQ(optionDefinition(Option::Stun_Code).maxLength, 8u);
    EXPECT_EQ(callOption(9), Option::Call9);
    int inFile = 0;
    for (const OptionDefinition& definition : allOptions()) {
        inFile += definition.inFile ? 1 : 0;
    }
    EXPECT_EQ(inFile, 49);  // lines 8-25 and 27-57
    EXPECT_FALSE(optionDefinition(Option::Password).inFile);
}

}  // namespace
}  // namespace hm3300::model

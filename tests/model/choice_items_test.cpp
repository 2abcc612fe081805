#include "model/choice_items.h"
#include "model/language_pack.h"

#include <gtest/gtest.h>

namespace hm3300::model {
namespace {

LanguagePack englishPack() {
    return *LanguagePack::loadFile(std::string(HM3300_SOURCE_DIR) + "/lang/english.lng");
}

TEST(ChoiceItems, EveryChoiceHasAsManyItemsAsItsDomain) {
    for (const OptionDefinition& definition : allOptions()) {
        if (definition.kind == OptionKind::Choice) {
            EXPECT_EQ(
                static_cast<int>(choiceItems(definition.option, LanguagePack::builtin()).size()),
                definition.itemCount)
                << definition.key;
        }
    }
}

TEST(ChoiceItems, PackTextsBuildTheLanguageDependentItems) {
    const LanguagePack& chinese = LanguagePack::builtin();
    EXPECT_EQ(choiceItems(Option::TOT, chinese)[0], "禁用");
    EXPECT_EQ(choiceItems(Option::TOT, chinese)[3], "3分钟");
    EXPECT_EQ(choiceItems(Option::APO, chinese)[1], " 1H");
    EXPECT_EQ(choiceItems(Option::APO, chinese)[12], "12H");
    EXPECT_EQ(choiceItems(Option::Band, chinese), (std::vector<std::string>{"频段2", "频段1"}));
    EXPECT_EQ(choiceItems(Option::Monitor, chinese)[3], "CTC/DCS或DTMF");

    const LanguagePack english = englishPack();
    EXPECT_EQ(choiceItems(Option::APO, english)[0], "OFF");
    EXPECT_EQ(choiceItems(Option::TOT, english)[1], "1" + english.text(48));
    EXPECT_EQ(choiceItems(Option::SpareKeyAssignment, english)[1], "报警开关");
}

TEST(ChoiceItems, IndexOutsideTheListHasNoText) {
    EXPECT_EQ(choiceItemText(Option::Group, 5, LanguagePack::builtin()), "#");
    EXPECT_EQ(choiceItemText(Option::Group, 6, LanguagePack::builtin()), "");
    EXPECT_EQ(choiceItemText(Option::VoxSQL, -1, LanguagePack::builtin()), "");
}

}  // namespace
}  // namespace hm3300::model

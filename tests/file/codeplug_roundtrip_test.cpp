#include <gtest/gtest.h>

#include "codeplug_samples.h"
#include "file/codeplug_file.h"
#include "support/temporary_folder.h"

namespace hm3300::file {
namespace {

using model::Language;
using model::Option;

class CodeplugRoundTrip : public ::testing::TestWithParam<Language> {};

// The options the file does not carry keep the values of the codeplug opened into.
model::Codeplug openedInto() {
    model::Codeplug target;
    target.settings.setText(Option::Password, "654321");
    target.settings.setChoice(Option::SpareKeyAssignment, 1);
    target.bands[model::BandListId::BAND_Rx] = {{"400-470MHz", "136-174MHz"}, 1};
    return target;
}

TEST_P(CodeplugRoundTrip, SaveThenOpenRestoresEverySettingAndChannel) {
    const model::LanguagePack pack = test::shippedPack(GetParam());
    const model::ValueTexts texts = model::ValueTexts::fromPack(pack);
    const model::Codeplug saved = test::sampleCodeplug(texts);
    testing::TemporaryFolder folder;
    const std::string path = folder.file("plug.p46");
    ASSERT_EQ(saveCodeplug(path, saved, pack), std::nullopt);

    model::Codeplug opened = openedInto();
    std::vector<ReadNotice> notices;
    const auto error = openCodeplug(path, opened, texts, notices);
    ASSERT_FALSE(error) << error->message;
    EXPECT_TRUE(notices.empty()) << notices.front().message;

    model::Codeplug expected = saved;
    expected.settings.setText(Option::Password, "654321");
    expected.settings.setFlag(Option::ChangePassword, false);
    expected.settings.setChoice(Option::SpareKeyAssignment, 1);
    EXPECT_TRUE(opened.settings == expected.settings);
    EXPECT_TRUE(opened.channels == expected.channels);
    for (model::BandListId id : model::kBandListIds) {
        EXPECT_EQ(opened.bands[id].selectedText(), saved.bands[id].selectedText())
            << model::bandListName(id);
    }
    // A known band is selected where it stands; an unknown one is appended.
    EXPECT_EQ(opened.bands[model::BandListId::BAND_Rx].entries,
              (std::vector<std::string>{"400-470MHz", "136-174MHz"}));
    EXPECT_EQ(opened.bands[model::BandListId::BAND_Rx].selected, 0);
    EXPECT_EQ(opened.bands[model::BandListId::BAND_Tx].entries,
              (std::vector<std::string>{"400-470MHz"}));
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, CodeplugRoundTrip,
                         ::testing::Values(Language::Chinese, Language::English, Language::Taiwan),
                         [](const auto& info) { return std::string(model::packName(info.param)); });

TEST(CodeplugLanguages, FileSavedInEnglishOpensWithChineseWords) {
    const model::LanguagePack english = test::shippedPack(Language::English);
    const model::LanguagePack chinese = test::shippedPack(Language::Chinese);
    const model::ValueTexts chineseTexts = model::ValueTexts::fromPack(chinese);
    testing::TemporaryFolder folder;
    const std::string englishPath = folder.file("english.p46");
    const std::string chinesePath = folder.file("chinese.p46");
    ASSERT_EQ(saveCodeplug(englishPath, test::sampleCodeplug(model::ValueTexts::fromPack(english)),
                           english),
              std::nullopt);
    ASSERT_EQ(saveCodeplug(chinesePath, test::sampleCodeplug(chineseTexts), chinese), std::nullopt);

    model::Codeplug opened;
    std::vector<ReadNotice> notices;
    ASSERT_FALSE(openCodeplug(englishPath, opened, chineseTexts, notices));
    EXPECT_EQ(opened.channels.row(3)[model::ChannelField::Power], "低功率");
    EXPECT_EQ(opened.channels.row(3)[model::ChannelField::VoiceMode], "扰频");
    EXPECT_TRUE(opened.channels == test::sampleCodeplug(chineseTexts).channels);

    const std::string resavedPath = folder.file("resaved.p46");
    ASSERT_EQ(saveCodeplug(resavedPath, opened, chinese), std::nullopt);
    EXPECT_EQ(testing::readBytes(resavedPath), testing::readBytes(chinesePath));
}

}  // namespace
}  // namespace hm3300::file

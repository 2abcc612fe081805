#include "model/language_pack.h"

#include <gtest/gtest.h>

#include "model/text_ids.h"
#include "model/value_texts.h"

namespace hm3300::model {
namespace {

const std::string kLangDir = std::string(HM3300_SOURCE_DIR) + "/lang";

TEST(LanguagePack, ParsesIdsTextsAndComments) {
    std::string error;
    auto pack = LanguagePack::parse("# comment\r\n\n7=OK\r\n61=  banner = text\n", &error);
    ASSERT_TRUE(pack) << error;
    EXPECT_EQ(pack->text(7), "OK");
    EXPECT_EQ(pack->text(61), "  banner = text");
    EXPECT_FALSE(pack->has(8));
    EXPECT_EQ(pack->text(8), "");
}

TEST(LanguagePack, MalformedLinesNameTheLine) {
    for (const char* content : {"7 OK", "x=OK", "0=zero", "-3=minus", "7 =OK"}) {
        std::string error;
        EXPECT_FALSE(LanguagePack::parse(std::string("# c\n") + content, &error)) << content;
        EXPECT_NE(error.find("line 2"), std::string::npos) << error;
    }
}

TEST(LanguagePack, MissingFileFallsBackToTheBuiltinTexts) {
    const LanguagePack pack = LanguagePack::loadOrBuiltin("/nonexistent", Language::English);
    EXPECT_EQ(pack.text(TextId::Off), "禁用");
    EXPECT_EQ(pack.text(TextId::On), "启用");
}

TEST(LanguagePack, NamesMapBothWays) {
    for (Language language : {Language::Chinese, Language::English, Language::Taiwan}) {
        EXPECT_EQ(languageFromPackName(packName(language)), language);
    }
    EXPECT_FALSE(languageFromPackName("klingon"));
}

// Every shipped pack is complete and its value words are the recognised ones, so a table
// written in one language converts into any other.
TEST(LanguagePack, ShippedPacksAreCompleteAndUseRecognisedValueWords) {
    const std::pair<Language, ValueTexts> expected[] = {
        {Language::Chinese, {"禁用", "启用", "高功率", "低功率", "宽带", "窄带", "压扩", "扰频"}},
        {Language::English, {"OFF", "ON", "High", "Low", "Wide", "Narrow", "Comp", "scrambler"}},
        {Language::Taiwan, {"禁用", "啟用", "高功率", "低功率", "寬帶", "窄帶", "壓擴", "擾頻"}},
    };
    for (const auto& [language, values] : expected) {
        const std::string path = kLangDir + "/" + std::string(packName(language)) + ".lng";
        std::string error;
        auto pack = LanguagePack::loadFile(path, &error);
        ASSERT_TRUE(pack) << error;
        for (int id : TextId::kAll) {
            EXPECT_FALSE(pack->text(id).empty()) << path << " lacks id " << id;
        }
        EXPECT_EQ(ValueTexts::fromPack(*pack), values) << path;
    }
}

}  // namespace
}  // namespace hm3300::model

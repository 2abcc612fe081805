#include "model/language_pack.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "model/text_ids.h"
#include "model/value_texts.h"
#include "support/temporary_folder.h"

namespace hm3300::model {
namespace {

using testing::readBytes;
using testing::TemporaryFolder;
using testing::writeBytes;

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

TEST(LanguagePack, AnIdGivenTwiceIsRefused) {
    std::string error;
    EXPECT_FALSE(LanguagePack::parse("7=OK\n# c\n7=Okay\n", &error));
    EXPECT_EQ(error, "line 3: id 7 again, first given on line 1");
}

// The shipped English pack with the line of `id` replaced by `line` (removed when empty).
std::string englishWith(int id, const std::string& line) {
    std::ifstream in(kLangDir + "/english.lng", std::ios::binary);
    std::string content;
    for (std::string current; std::getline(in, current);) {
        if (current.starts_with(std::to_string(id) + "=")) {
            current = line;
        }
        content += current + "\n";
    }
    return content;
}

struct DamagedPack {
    const char* name;
    std::string content;
    std::string fault;
};

// A pack that lacks a word or gives two values one word would empty or merge the values of
// every channel converted into it.
TEST(LanguagePack, DamagedPacksAreRefusedNamingThePackAndTheIds) {
    const DamagedPack packs[] = {
        {"an id missing", englishWith(34, ""), "lacks id 34"},
        {"an id left empty", englishWith(34, "34="), "lacks id 34"},
        {"an id given twice", englishWith(61, "61=x\n35=ON"), "id 35 again, first given on line"},
        {"off and on alike", englishWith(35, "35=OFF"),
         R"(ids 34 and 35 both read "OFF", two values of ScanAdd)"},
        {"high and low alike", englishWith(36, "36=Low"), R"(ids 36 and 37 both read "Low")"},
        {"two voice modes alike", englishWith(79, "79=Comp"), R"(ids 78 and 79 both read "Comp")"},
        {"narrow in the Chinese word for wide", englishWith(75, "75=宽带"),
         R"(id 75 reads "宽带", which files open as the value of id 74, two values of Bandwidth)"},
        {"a value word with the bar between a file's fields", englishWith(37, "37=Lo|"),
         R"(id 37 reads "Lo|", whose "|" would split a channel field in a codeplug file)"},
        {"on in the Chinese word for off", englishWith(35, "35=禁用"),
         R"(id 35 reads "禁用", which files open as the value of id 34, two values of ScanAdd)"},
        {"off is a tone", englishWith(34, "34=67.0"),
         R"(id 34 reads "67.0", a tone of the tone list)"},
        {"two PTT ID items alike", englishWith(120, "120=Start of TX"),
         R"(items 0 and 2 of "PTT ID" both read "Start of TX" (ids 118 and 120))"},
        {"a pack item like a fixed one", englishWith(104, "104=DTMF"),
         R"(items 1 and 2 of "Monitor" both read "DTMF" (id 104))"},
        {"nothing at all", "", "lacks ids 1-32, 34-43, 45-48, 56-62, 64-67, 70, 73-85, 87-91"},
    };
    const TemporaryFolder folder;
    const std::string path = folder.file("english.lng");
    for (const DamagedPack& pack : packs) {
        writeBytes(path, pack.content);
        std::string error;
        EXPECT_FALSE(LanguagePack::loadFile(path, &error)) << pack.name;
        EXPECT_EQ(error.find("language pack \"" + path + "\" cannot be used: "), 0u) << error;
        EXPECT_NE(error.find(pack.fault), std::string::npos) << pack.name << ": " << error;
    }
}

TEST(LanguagePack, OnlyAMissingPackFallsBackToTheBuiltinTexts) {
    const TemporaryFolder folder;
    std::string error;
    const auto missing =
        LanguagePack::loadOrBuiltin(folder.path().string(), Language::English, error);
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->text(TextId::Off), "禁用");

    writeBytes(folder.file("english.lng"), englishWith(34, ""));
    EXPECT_FALSE(LanguagePack::loadOrBuiltin(folder.path().string(), Language::English, error));
    EXPECT_NE(error.find("english.lng\" cannot be used: lacks id 34"), std::string::npos) << error;

    // Not a file at all: a FIFO would keep a reader waiting for a writer.
    ASSERT_EQ(::mkfifo(folder.file("taiwan.lng").c_str(), 0600), 0);
    error.clear();
    EXPECT_FALSE(LanguagePack::loadOrBuiltin(folder.path().string(), Language::Taiwan, error));
    EXPECT_NE(error.find("it is not a regular file"), std::string::npos) << error;

    writeBytes(folder.file("chinese.lng"), readBytes(kLangDir + "/chinese.lng"));
    EXPECT_TRUE(LanguagePack::loadOrBuiltin(folder.path().string(), Language::Chinese, error));
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

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "codeplug_samples.h"
#include "file/codeplug_file.h"
#include "support/temporary_folder.h"

namespace hm3300::file {
namespace {

using model::Option;
using test::sampleCodeplug;

std::vector<std::string> crlfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "text after the last line end";
    return lines;
}

class CodeplugWriter : public ::testing::Test {
protected:
    const model::LanguagePack& chinese = model::LanguagePack::builtin();
    const model::ValueTexts texts = model::ValueTexts::fromPack(chinese);
    model::Codeplug codeplug = sampleCodeplug(texts);
};

TEST_F(CodeplugWriter, WritesTheLinesAtTheirPlaces) {
    codeplug.settings.setNumber(Option::Pretime, 10.5);
    codeplug.settings.setChoice(Option::Band, -1);  // nothing selected
    codeplug.settings.setChoice(Option::TOT, 9);    // outside the list
    codeplug.bands[model::BandListId::BAND_Tx1].selected = -1;
    // An empty slot read from the radio keeps its earlier VoiceMode.
    codeplug.channels.row(4)[model::ChannelField::VoiceMode] = texts.CompanderText;

    const auto lines = crlfLines(formatCodeplug(codeplug, chinese));
    ASSERT_EQ(lines.size(), 187u);
    const std::pair<int, std::string> expected[] = {
        {1, "HM-3300 MEMORY CHANNEL"},
        {2, ""},
        {3, ""},
        {4, "BAND_Rx 400-470MHz"},
        {7, "BAND_Tx1 "},
        {8, "APO 12 12H"},
        {9, "scankind 0 CO"},
        {14, "TOT 9 "},
        {16, "Exp Freq. 1"},
        {17, "Band -1 "},
        {25, "VoxRX 0"},
        {26, ""},
        {27, "Digit Time 200"},
        {30, "Pretime 10.5"},
        {35, "PTT ID 2 两者"},
        {38, "Call0 12AB*#"},
        {55, "Stun Code "},
        {57, "Key Assignment 3 发送1750Hz信号"},
        {58, ""},
        {59, ""},
        {60,
         "CH001 | 145.12500 | 禁用 | 145.12500 | 禁用 | 高功率 | 宽带 | 启用 | 禁用 | 禁用 |  | "
         "启用 | 禁用 | 禁用 | 0 | 0 | 禁用 | "},
        {61, "CH002 |  |  |  |  |  |  |  |  |  |  |  |  |  |  |  |  | "},
        {63, "CH004 |  |  |  |  |  |  |  |  |  |  |  |  |  |  |  | 压扩 | "},
        {187,
         "CH128 | 446.00625 | 禁用 | 446.00625 | 禁用 | 高功率 | 宽带 | 启用 | 禁用 | 禁用 |  | "
         "启用 | 禁用 | 禁用 | 0 | 0 | 禁用 | "},
    };
    for (const auto& [number, text] : expected) {
        EXPECT_EQ(lines[static_cast<std::size_t>(number - 1)], text) << "line " << number;
    }
}

TEST_F(CodeplugWriter, LeavesOutThePasswordAndTheSpareKey) {
    const std::string text = formatCodeplug(codeplug, chinese);
    for (const char* key : {"Password", "ChangePassword", "SpareKeyAssignment", "123456"}) {
        EXPECT_EQ(text.find(key), std::string::npos) << key;
    }
}

TEST_F(CodeplugWriter, SavesGbkWithCrLf) {
    testing::TemporaryFolder folder;
    const std::string path = folder.file("plug.p46");
    ASSERT_EQ(saveCodeplug(path, codeplug, chinese), std::nullopt);

    const std::string bytes = testing::readBytes(path);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 187);
    EXPECT_EQ(bytes.find("\r\n\r\n\r\n"), std::string("HM-3300 MEMORY CHANNEL").size());
    for (std::size_t at = bytes.find('\n'); at != std::string::npos;
         at = bytes.find('\n', at + 1)) {
        ASSERT_EQ(bytes[at - 1], '\r') << "bare LF at byte " << at;
    }
    EXPECT_TRUE(bytes.ends_with(" | \r\n"));
    EXPECT_NE(bytes.find("CH001 | 145.12500 | \xBD\xFB\xD3\xC3 | "), std::string::npos);  // 禁用
    EXPECT_EQ(bytes.find("禁"), std::string::npos) << "UTF-8 in the file";
    // Only the file itself remains in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST_F(CodeplugWriter, RefusesTextGbkCannotHoldAndKeepsTheOldFile) {
    testing::TemporaryFolder folder;
    const std::string path = folder.file("plug.p46");
    testing::writeBytes(path, "old");
    codeplug.channels.row(2)[model::ChannelField::Alias] = "A😀";

    const auto error = saveCodeplug(path, codeplug, chinese);
    ASSERT_TRUE(error);
    EXPECT_NE(error->english().find("line 61"), std::string::npos) << *error;
    EXPECT_NE(error->english().find("😀"), std::string::npos) << *error;
    EXPECT_EQ(testing::readBytes(path), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST_F(CodeplugWriter, SaveIntoAMissingFolderOrOntoAFolderIsReported) {
    testing::TemporaryFolder folder;

    const auto missing = saveCodeplug(folder.file("no/such/folder/plug.p46"), codeplug, chinese);
    ASSERT_TRUE(missing);
    EXPECT_NE(missing->english().find("no/such/folder/plug.p46"), std::string::npos) << *missing;
    EXPECT_NE(missing->english().find("no such file or folder"), std::string::npos) << *missing;

    const auto intoFolder = saveCodeplug(folder.path().string(), codeplug, chinese);
    ASSERT_TRUE(intoFolder);
}

TEST_F(CodeplugWriter, ReadOnlyFileOrFolderIsReportedAndKeptIntact) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders and files";
    }
    testing::TemporaryFolder folder;
    const std::string path = folder.file("plug.p46");
    testing::writeBytes(path, "old");
    namespace fs = std::filesystem;
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::remove);
    const auto readOnlyFile = saveCodeplug(path, codeplug, chinese);
    ASSERT_TRUE(readOnlyFile);
    EXPECT_NE(readOnlyFile->english().find("permission denied"), std::string::npos)
        << *readOnlyFile;

    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
    fs::permissions(folder.path(), fs::perms::owner_write, fs::perm_options::remove);
    const auto readOnlyFolder = saveCodeplug(path, codeplug, chinese);
    ASSERT_TRUE(readOnlyFolder);
    EXPECT_NE(readOnlyFolder->english().find("permission denied"), std::string::npos)
        << *readOnlyFolder;
    EXPECT_EQ(testing::readBytes(path), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1);
}

}  // namespace
}  // namespace hm3300::file

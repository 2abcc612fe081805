#include <gtest/gtest.h>

#include <sstream>

#include "file/codeplug_file.h"
#include "model/language_pack.h"
#include "support/processes.h"
#include "support/temporary_folder.h"

namespace hm3300::testing {
namespace {

using model::ChannelField;

const std::string kSample = std::string(HM3300_SOURCE_DIR) + "/samples/sample.p46";

// The words of a command line written with blanks between them.
std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> result;
    for (std::string word; in >> word;) {
        result.push_back(word);
    }
    return result;
}

class CliTest : public ::testing::Test {
protected:
    TemporaryFolder folder;

    // A codeplug saved under the built-in Chinese texts, for the cases a sample cannot show.
    std::string saveCodeplug(const model::Codeplug& codeplug, const std::string& name) {
        const std::string path = folder.file(name);
        EXPECT_FALSE(file::saveCodeplug(path, codeplug, model::LanguagePack::builtin()));
        return path;
    }
};

TEST_F(CliTest, UsageErrorsExitWithStatusTwo) {
    for (const char* arguments : {"", "frobnicate", "check", "check a.p46 b.p46",
                                  "show --colour x.p46", "convert in.p46", "check x.p46 --lang"}) {
        const CliResult result = runCli(words(arguments), folder);
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_TRUE(result.out.empty()) << arguments;
        EXPECT_FALSE(result.err.empty()) << arguments;
    }
}

TEST_F(CliTest, HelpGoesToStandardOutput) {
    for (const char* arguments : {"--help", "check --help", "convert --help", "show --help"}) {
        const CliResult result = runCli(words(arguments), folder);
        EXPECT_EQ(result.status, 0) << arguments;
        EXPECT_NE(result.out.find("Usage: hm3300d-cli"), std::string::npos) << arguments;
    }
}

TEST_F(CliTest, SampleIsWritableAndShowsItsChannels) {
    const CliResult check = runCli({"check", kSample}, folder);
    EXPECT_EQ(check.status, 0) << check.err;
    EXPECT_TRUE(check.out.empty());

    const CliResult show = runCli({"show", kSample, "--lang", "english"}, folder);
    EXPECT_EQ(show.status, 0) << show.err;
    EXPECT_NE(show.out.find("Radio settings"), std::string::npos);
    EXPECT_NE(show.out.find("001  "), std::string::npos);
    EXPECT_NE(show.out.find("High"), std::string::npos);
}

TEST_F(CliTest, CheckListsEveryProblemByChannelAndField) {
    model::Codeplug codeplug;
    model::Channel& channel = codeplug.channels.row(12);
    channel[ChannelField::RxFreq] = "145.12500";
    channel.fillNewChannelDefaults(model::ValueTexts::fromPack(model::LanguagePack::builtin()));
    channel[ChannelField::TxFreq] = "145.12345";
    codeplug.settings.setText(model::Option::Stun_Code, "12E");

    const CliResult result = runCli({"check", saveCodeplug(codeplug, "bad.p46")}, folder);
    EXPECT_EQ(result.status, 4);
    EXPECT_NE(result.out.find("CH012 TxFreq: "), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("Stun Code: "), std::string::npos) << result.out;
    EXPECT_NE(result.err.find("2 problems"), std::string::npos) << result.err;
}

TEST_F(CliTest, UnreadableFilesExitWithStatusThreeAndSayWhy) {
    const CliResult missing = runCli({"check", folder.file("absent.p46")}, folder);
    EXPECT_EQ(missing.status, 3);
    EXPECT_NE(missing.err.find("absent.p46"), std::string::npos) << missing.err;

    const std::string truncated = folder.file("short.p46");
    writeBytes(truncated, "HM-3300 MEMORY CHANNEL\r\n\r\n\r\n");
    const CliResult malformed = runCli({"show", truncated}, folder);
    EXPECT_EQ(malformed.status, 3);
    EXPECT_NE(malformed.err.find("line"), std::string::npos) << malformed.err;

    const CliResult unwritable =
        runCli({"convert", kSample, folder.file("no/such/out.p46")}, folder);
    EXPECT_EQ(unwritable.status, 3);
    EXPECT_FALSE(unwritable.err.empty());
}

// Translating a file into another language and back gives the very bytes the program
// saves under that language.
TEST_F(CliTest, ConvertingThroughEnglishAndBackRestoresTheChineseFileByteForByte) {
    const std::string english = folder.file("english.p46");
    const std::string chinese = folder.file("chinese.p46");
    ASSERT_EQ(runCli({"convert", kSample, english, "--lang", "english"}, folder).status, 0);
    ASSERT_EQ(runCli({"convert", english, chinese}, folder).status, 0);

    const std::string englishBytes = readBytes(english);
    EXPECT_NE(englishBytes.find(" | High | Wide | ON | "), std::string::npos);
    EXPECT_NE(englishBytes, readBytes(kSample));
    EXPECT_EQ(readBytes(chinese), readBytes(kSample));
}

}  // namespace
}  // namespace hm3300::testing

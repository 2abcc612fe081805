#include <gtest/gtest.h>

#include <algorithm>
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
    for (const char* arguments : {"--help", "check --help", "convert --help", "show --help",
                                  "set --help", "clear --help"}) {
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

// The sample's channel `number` as the command line left it in `path`, in `language`.
model::Channel channelIn(const std::string& path, int number,
                         model::Language language = model::Language::Chinese) {
    model::Codeplug codeplug;
    const auto texts =
        model::ValueTexts::fromPack(model::LanguagePack::loadOrBuiltin(HM3300_BIN_DIR, language));
    EXPECT_FALSE(file::openCodeplug(path, codeplug, texts));
    return codeplug.channels.row(number);
}

// The lines of the file that differ from the sample's, as "line: text".
std::vector<std::string> changedLines(const std::string& path) {
    std::istringstream sample(readBytes(kSample));
    std::istringstream edited(readBytes(path));
    std::vector<std::string> changed;
    std::string left;
    std::string right;
    for (int line = 1; std::getline(sample, left) && std::getline(edited, right); ++line) {
        if (left != right) {
            changed.push_back(std::to_string(line) + ": " + right);
        }
    }
    return changed;
}

TEST_F(CliTest, SetCreatesAChannelAsTheGridDoesAndChangesNothingElse) {
    const std::string edited = folder.file("edited.p46");
    const CliResult result =
        runCli({"set", kSample, "13", "rxtone=d023n", "rx=435.0062", "power=Low", "scan=OFF",
                "alias=ab-1!x,yz", "voice=压扩", "busylock=on", "-o", edited},
               folder);
    ASSERT_EQ(result.status, 0) << result.err;
    model::Channel expected;
    expected[ChannelField::RxFreq] = "435.00625";
    expected.fillNewChannelDefaults(model::ValueTexts::fromPack(model::LanguagePack::builtin()));
    expected[ChannelField::RxTone] = "D023N";
    expected[ChannelField::RxCode] = "53";
    expected[ChannelField::Power] = "低功率";
    expected[ChannelField::ScanAdd] = "禁用";
    expected[ChannelField::Alias] = "AB-1XY";
    expected[ChannelField::VoiceMode] = "压扩";
    expected[ChannelField::BusyLock] = "启用";
    EXPECT_EQ(channelIn(edited, 13), expected);
    EXPECT_EQ(changedLines(edited).size(), 1u);
    EXPECT_EQ(runCli({"check", edited}, folder).status, 0);
}

TEST_F(CliTest, SetNormalisesFrequenciesInTheFilesBandAndStep) {
    // The sample edits against 400-470MHz with the 6.25 kHz step.
    const std::string path = folder.file("sample.p46");
    writeBytes(path, readBytes(kSample));
    struct Case {
        const char* assignment;
        ChannelField field;
        const char* stored;
    };
    const Case cases[] = {
        {"rx=480", ChannelField::RxFreq, "469.99375"},
        {"rx=399.9", ChannelField::RxFreq, "400.00000"},
        {"tx=435.0001", ChannelField::TxFreq, "435.00500"},
        {"tx=", ChannelField::TxFreq, "400.00000"},
    };
    for (const Case& c : cases) {
        const CliResult result = runCli({"set", path, "4", c.assignment}, folder);
        ASSERT_EQ(result.status, 0) << c.assignment << ": " << result.err;
        EXPECT_EQ(channelIn(path, 4)[c.field], c.stored) << c.assignment;
    }
    EXPECT_EQ(channelIn(path, 4)[ChannelField::Alias], "RPT-A") << "the channel stays";

    ASSERT_EQ(runCli({"set", path, "4", "rx="}, folder).status, 0);
    EXPECT_EQ(channelIn(path, 4), model::Channel());
}

TEST_F(CliTest, AnUnknownChannelFieldOrValueExitsWithStatusTwoAndWritesNothing) {
    const std::string path = folder.file("sample.p46");
    writeBytes(path, readBytes(kSample));
    struct Case {
        const char* line;
        const char* named;
    };
    const Case cases[] = {
        {"set FILE 0 rx=435", "1 to 128"},
        {"set FILE x rx=435", "1 to 128"},
        {"set FILE 1 colour=red", "rx, tx, rxtone"},
        {"set FILE 1 rx", "FIELD=VALUE"},
        {"set FILE 1 rx=4a5", "435.125"},
        {"set FILE 1 rxtone=88.0", "D023N"},
        {"set FILE 1 power=max", "high or low"},
        {"set FILE 1 vox=maybe", "on or off"},
        {"set FILE 1 voice=loud", "off, compander or scrambler"},
        {"set FILE 13 power=low", "rx="},
        {"set FILE 1 power=low voice=loud", "compander"},
        {"clear FILE 129", "or all"},
        {"set FILE", "FIELD=VALUE"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments = words(c.line);
        std::replace(arguments.begin(), arguments.end(), std::string("FILE"), path);
        const CliResult result = runCli(arguments, folder);
        EXPECT_EQ(result.status, 2) << c.line;
        EXPECT_NE(result.err.find(c.named), std::string::npos) << c.line << ": " << result.err;
        EXPECT_EQ(readBytes(path), readBytes(kSample)) << c.line;
    }
}

TEST_F(CliTest, EditsKeepTheLanguageOfTheFilesWords) {
    const std::string english = folder.file("english.p46");
    ASSERT_EQ(runCli({"convert", kSample, english, "--lang", "english"}, folder).status, 0);
    ASSERT_EQ(runCli({"set", english, "1", "dtmf=启用"}, folder).status, 0);
    EXPECT_NE(readBytes(english).find(" | High | Wide | ON | ON | "), std::string::npos);

    // Without a channel the settings lines still tell: "4min", "Band 1".
    ASSERT_EQ(runCli({"clear", english, "all"}, folder).status, 0);
    ASSERT_EQ(runCli({"set", english, "2", "rx=446"}, folder).status, 0);
    const std::string bytes = readBytes(english);
    EXPECT_NE(bytes.find("CH002 | 446.00000 | OFF | 446.00000 | OFF | High | "), std::string::npos);
    EXPECT_EQ(bytes.find("CH001 | 4"), std::string::npos);

    EXPECT_NE(bytes.find("TOT 4 4 min"), std::string::npos);

    // --lang chooses the words to save.
    const std::string chinese = folder.file("chinese.p46");
    ASSERT_EQ(runCli({"clear", english, "2", "-o", chinese, "--lang", "chinese"}, folder).status,
              0);
    EXPECT_EQ(readBytes(chinese).find("4 min"), std::string::npos);
}

TEST_F(CliTest, ClearEmptiesOneChannelOrAll) {
    const std::string one = folder.file("one.p46");
    ASSERT_EQ(runCli({"clear", kSample, "010", "-o", one}, folder).status, 0);
    EXPECT_EQ(channelIn(one, 10), model::Channel());
    EXPECT_EQ(changedLines(one).size(), 1u);

    const std::string all = folder.file("all.p46");
    ASSERT_EQ(runCli({"clear", kSample, "all", "-o", all}, folder).status, 0);
    model::Codeplug codeplug;
    ASSERT_FALSE(file::openCodeplug(all, codeplug, {}));
    EXPECT_EQ(codeplug.channels, model::ChannelTable());
    EXPECT_EQ(changedLines(all).size(), 12u) << "the settings lines stay";
}

TEST_F(CliTest, AnUnreadableBandExitsWithStatusThreeAndWritesNothing) {
    const std::string path = folder.file("band.p46");
    std::string bytes = readBytes(kSample);
    bytes.replace(bytes.find("BAND_Rx 400-470MHz"), 18, "BAND_Rx 4OO-470MHz");
    writeBytes(path, bytes);
    const CliResult result = runCli({"set", path, "13", "rx=435"}, folder);
    EXPECT_EQ(result.status, 3);
    EXPECT_NE(result.err.find("\"4OO-470MHz\" cannot be read"), std::string::npos) << result.err;
    EXPECT_EQ(readBytes(path), bytes);
}

}  // namespace
}  // namespace hm3300::testing

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
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
    for (const char* arguments :
         {"", "frobnicate", "check", "check a.p46 b.p46", "show --colour x.p46", "convert in.p46",
          "check x.p46 --lang", "ports /dev/ttyUSB0", "ports --port"}) {
        const CliResult result = runCli(words(arguments), folder);
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_TRUE(result.out.empty()) << arguments;
        EXPECT_FALSE(result.err.empty()) << arguments;
    }
}

TEST_F(CliTest, HelpGoesToStandardOutput) {
    for (const char* arguments : {"--help", "check --help", "convert --help", "show --help",
                                  "set --help", "clear --help", "ports --help"}) {
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

// The sample with line `number` (1-based) replaced by `line`, or with `line` added when
// `number` is past the end.
std::string sampleWithLine(std::size_t number, const std::string& line) {
    std::vector<std::string> lines;
    const std::string bytes = readBytes(kSample);
    for (std::size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        lines.push_back(bytes.substr(start, end - start));
    }
    lines.resize(std::max(lines.size(), number));
    lines[number - 1] = line;
    std::string text;
    for (const std::string& each : lines) {
        text += each + "\r\n";
    }
    return text;
}

TEST_F(CliTest, ADamagedLanguagePackStopsEveryCommandBeforeItWritesAnything) {
    // The program looks for its packs beside itself: a copy of it beside a damaged pack.
    const std::string cli = folder.file("hm3300d-cli");
    std::filesystem::copy_file(std::string(HM3300_BIN_DIR) + "/hm3300d-cli", cli);
    std::string english = readBytes(std::string(HM3300_SOURCE_DIR) + "/lang/english.lng");
    const std::string offLine = "\n34=OFF\n";
    english.replace(english.find(offLine), offLine.size(), "\n");
    writeBytes(folder.file("english.lng"), english);

    const std::string out = folder.file("out.p46");
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"convert", kSample, out, "--lang", "english"},
             {"check", kSample, "--lang", "english"},
             {"show", kSample, "--lang", "english"},
             {"read", "--port", folder.file("no-port"), "-o", out, "--lang", "english"}}) {
        const CliResult result = runCliAt(cli, arguments, folder);
        EXPECT_EQ(result.status, 3) << arguments.front();
        EXPECT_TRUE(result.out.empty()) << arguments.front();
        EXPECT_NE(result.err.find("english.lng\" cannot be used: lacks id 34"), std::string::npos)
            << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

// Exit status 3 and not 5: the port is never opened, so no frame goes out.
TEST_F(CliTest, ReadRefusesAnOutputItCouldNotSaveBeforeTheRadioIsRead) {
    ASSERT_EQ(::mkfifo(folder.file("fifo").c_str(), 0600), 0);
    const std::pair<std::string, std::string> outputs[] = {
        {folder.path().string(), "it is a folder, not a regular file"},
        {folder.file("fifo"), "it is a FIFO, not a regular file"},
        {folder.file("no/such/out.p46"), "no such file or folder"},
    };
    for (const auto& [output, reason] : outputs) {
        const CliResult result = runCli({"read", "--port", folder.file("no-port"), "-o", output,
                                         "--trace", folder.file("trace")},
                                        folder);
        EXPECT_EQ(result.status, 3) << output << ": " << result.err;
        EXPECT_NE(result.err.find(reason), std::string::npos) << result.err;
        EXPECT_TRUE(result.err.ends_with("; the radio was not read\n")) << result.err;
        EXPECT_FALSE(std::filesystem::exists(folder.file("trace")));
    }
}

TEST_F(CliTest, LinesAfterTheLastChannelAreCountedInAWarning) {
    const std::string longer = folder.file("longer.p46");
    writeBytes(longer, sampleWithLine(190, "CH131 | 145.00000 | "));
    const CliResult result = runCli({"show", longer}, folder);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "hm3300d-cli: warning: \"" + longer +
                              "\": line 188: 3 lines after the last channel line are ignored\n");
}

// Saved, such a channel is an empty one, which the next Open reads as such.
TEST_F(CliTest, AChannelWithoutReceiveFrequencyComesOutEmptyAndStaysSo) {
    const std::string foreign = folder.file("foreign.p46");
    writeBytes(foreign, sampleWithLine(62,
                                       "CH003 | | OFF | 145.00000 | OFF | High | Wide | ON | "
                                       "OFF | OFF | AB | ON | OFF | OFF | 0 | 0 | OFF | "));
    const std::string once = folder.file("once.p46");
    const std::string twice = folder.file("twice.p46");
    const CliResult first = runCli({"convert", foreign, once}, folder);
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_NE(first.err.find("warning: \"" + foreign + "\": line 62: channel 3 has no receive"),
              std::string::npos)
        << first.err;
    const CliResult second = runCli({"convert", once, twice}, folder);
    ASSERT_EQ(second.status, 0) << second.err;
    EXPECT_TRUE(second.err.empty()) << second.err;

    EXPECT_EQ(readBytes(once), readBytes(twice));
    EXPECT_NE(
        readBytes(once).find("\r\nCH003 |  |  |  |  |  |  |  |  |  |  |  |  |  |  |  |  | \r\n"),
        std::string::npos);
}

TEST_F(CliTest, ControlCharactersFromAFileAreShownEscaped) {
    model::Codeplug codeplug;
    model::Channel& channel = codeplug.channels.row(1);
    channel[ChannelField::RxFreq] = "145.12500";
    channel.fillNewChannelDefaults(model::ValueTexts::fromPack(model::LanguagePack::builtin()));
    channel[ChannelField::Alias] = std::string("A") + '\0' + "B\x1B[2J";
    const std::string path = saveCodeplug(codeplug, "nul.p46");

    const CliResult check = runCli({"check", path}, folder);
    EXPECT_EQ(check.status, 4);
    EXPECT_NE(check.out.find(R"(CH001 Alias: "A\x00B\x1B[2J")"), std::string::npos) << check.out;
    const CliResult show = runCli({"show", path}, folder);
    EXPECT_EQ(show.status, 0);
    EXPECT_NE(show.out.find(R"(A\x00B\x1B[2J)"), std::string::npos) << show.out;
    for (const std::string& output : {check.out, check.err, show.out, show.err}) {
        EXPECT_EQ(output.find_first_of(std::string("\0\x1B", 2)), std::string::npos) << output;
    }
}

// The sample's channel `number` as the command line left it in `path`, in `language`.
model::Channel channelIn(const std::string& path, int number,
                         model::Language language = model::Language::Chinese) {
    model::Codeplug codeplug;
    std::string error;
    const auto pack = model::LanguagePack::loadOrBuiltin(HM3300_BIN_DIR, language, error);
    EXPECT_TRUE(pack) << error;
    std::vector<file::ReadNotice> notices;
    EXPECT_FALSE(file::openCodeplug(path, codeplug, model::ValueTexts::fromPack(*pack), notices));
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
    std::vector<file::ReadNotice> notices;
    ASSERT_FALSE(file::openCodeplug(all, codeplug, {}, notices));
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

// A pseudo-terminal held open for a test, as the virtual radio offers one.
class PseudoTerminal {
public:
    PseudoTerminal() : master_(::posix_openpt(O_RDWR | O_NOCTTY)) {
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0) {
            device_ = ::ptsname(master_);
        }
    }
    ~PseudoTerminal() {
        if (master_ >= 0) {
            ::close(master_);
        }
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const std::string& device() const { return device_; }

private:
    int master_;
    std::string device_;
};

TEST_F(CliTest, PortsDescribesAPseudoTerminalThroughItsLink) {
    const PseudoTerminal terminal;
    ASSERT_FALSE(terminal.device().empty());
    const std::string link = folder.file("radio");
    std::filesystem::create_symlink(terminal.device(), link);

    const CliResult result = runCli({"ports", "--port", link}, folder);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out.substr(0, result.out.find(' ')), "DEVICE");
    EXPECT_NE(result.out.find("\n" + link + "  pseudo-terminal  -      -       yes\n"),
              std::string::npos)
        << result.out;
}

// Root may open any device: the refusal shows for an ordinary user, so as root the command
// runs as the user nobody.
TEST_F(CliTest, PortsSaysWhyADeviceCannotBeOpenedAndWhatToDo) {
    const PseudoTerminal terminal;
    ASSERT_FALSE(terminal.device().empty());
    CliResult result;
    if (::geteuid() == 0) {
        result = runCliAt(
            "/usr/bin/setpriv",
            {"--reuid=65534", "--regid=65534", "--clear-groups",
             std::string(HM3300_BIN_DIR) + "/hm3300d-cli", "ports", "--port", terminal.device()},
            folder);
        if (result.err.starts_with("setpriv")) {
            GTEST_SKIP() << "cannot run hm3300d-cli as the user nobody: " << result.err;
        }
    } else {
        ASSERT_EQ(::chmod(terminal.device().c_str(), 0), 0);
        result = runCli({"ports", "--port", terminal.device()}, folder);
    }
    EXPECT_EQ(result.status, 5) << result.err;
    EXPECT_NE(result.out.find("no: no permission to open " + terminal.device() + ": "),
              std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("sudo usermod -aG dialout $USER"), std::string::npos) << result.out;
}

TEST_F(CliTest, PortsListsTheMachinesPortsOrSaysThereAreNone) {
    const CliResult result = runCli({"ports"}, folder);
    EXPECT_EQ(result.status, 0) << result.err;
    if (result.out.empty()) {
        EXPECT_NE(result.err.find("no serial port found"), std::string::npos) << result.err;
    } else {
        EXPECT_TRUE(result.out.starts_with("DEVICE  ")) << result.out;
    }
}

TEST_F(CliTest, AMissingDeviceIsNamedWithItsReason) {
    const CliResult result = runCli({"ports", "--port", folder.file("ttyUSB9")}, folder);
    EXPECT_EQ(result.status, 5);
    EXPECT_NE(result.out.find("no: " + folder.file("ttyUSB9") + " does not exist"),
              std::string::npos)
        << result.out;
}

}  // namespace
}  // namespace hm3300::testing

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
    for (const char* arguments :
         {"--help", "check --help", "convert --help", "show --help", "ports --help"}) {
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
        {folder.file("no/such/out.p46"), "No such file or directory"},
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

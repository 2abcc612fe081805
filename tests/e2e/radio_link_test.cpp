#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <sstream>

#include "file/codeplug_file.h"
#include "model/language_pack.h"
#include "model/value_texts.h"
#include "support/environment.h"
#include "support/processes.h"
#include "support/temporary_folder.h"
#include "support/virtual_radio.h"

namespace hm3300::e2e {
namespace {

using model::ChannelField;
using testing::CliResult;
using testing::readBytes;
using testing::runCli;
using testing::runCliSignalled;
using testing::ScopedVariable;
using testing::TemporaryFolder;
using testing::VirtualRadio;

// The frames as the radio logs them, checksum included.
const std::string kHandshakeFrame = "02054B6F70726140";
const std::string kEndFrame = "64016F0A";

const std::string kSample = std::string(HM3300_SOURCE_DIR) + "/samples/sample.p46";

// "" when the files hold the same bytes; otherwise the first line that differs.
std::string firstDifference(const std::string& expectedPath, const std::string& actualPath) {
    std::istringstream expected(readBytes(expectedPath));
    std::istringstream actual(readBytes(actualPath));
    std::string left;
    std::string right;
    for (int line = 1;; ++line) {
        const bool moreLeft = static_cast<bool>(std::getline(expected, left));
        const bool moreRight = static_cast<bool>(std::getline(actual, right));
        if (!moreLeft && !moreRight) {
            return {};
        }
        if (moreLeft != moreRight || left != right) {
            return "line " + std::to_string(line) + ": expected \"" + left + "\", got \"" + right +
                   "\"";
        }
    }
}

long countStartingWith(const std::vector<std::string>& lines, const std::string& prefix) {
    return std::count_if(lines.begin(), lines.end(),
                         [&](const std::string& line) { return line.starts_with(prefix); });
}

// A codeplug no radio takes: channel 1 has a receive tone outside the tone list.
std::string saveUnwritableCodeplug(const TemporaryFolder& folder) {
    const model::LanguagePack& pack = model::LanguagePack::builtin();
    const auto texts = model::ValueTexts::fromPack(pack);
    model::Codeplug codeplug;
    model::Channel& channel = codeplug.channels.row(1);
    channel[ChannelField::RxFreq] = "435.12500";
    channel.fillNewChannelDefaults(texts);
    channel[ChannelField::RxTone] = "99.9";
    const std::string path = folder.file("unwritable.p46");
    EXPECT_FALSE(file::saveCodeplug(path, codeplug, pack));
    return path;
}

// The sample as a single-head write leaves it in the radio: VOX off on every channel.
std::string sampleWithVoxOff(const TemporaryFolder& folder) {
    const model::LanguagePack& pack = model::LanguagePack::builtin();
    const auto texts = model::ValueTexts::fromPack(pack);
    model::Codeplug codeplug;
    std::vector<file::ReadNotice> notices;
    EXPECT_FALSE(file::openCodeplug(kSample, codeplug, texts, notices));
    EXPECT_TRUE(notices.empty());
    EXPECT_TRUE(codeplug.channels.turnVoxOff(texts)) << "the sample has a channel with VOX on";
    const std::string path = folder.file("vox-off.p46");
    EXPECT_FALSE(file::saveCodeplug(path, codeplug, pack));
    return path;
}

// Runs `command` (read or write) with `options` against `radio`: a read saves into `file`,
// a write sends it.
CliResult runOnRadio(const TemporaryFolder& folder, const std::string& command,
                     const VirtualRadio& radio, const std::string& file,
                     std::vector<std::string> options = {}) {
    std::vector<std::string> arguments{command, "--port", radio.port()};
    arguments.insert(arguments.end(), options.begin(), options.end());
    if (command == "read") {
        arguments.insert(arguments.end(), {"-o", file});
    } else {
        arguments.push_back(file);
    }
    return runCli(arguments, folder);
}

// The frames a trace lists as sent, and its waits.
std::pair<int, int> framesAndWaits(const std::string& tracePath) {
    std::istringstream lines(readBytes(tracePath));
    int sent = 0;
    int waits = 0;
    for (std::string line; std::getline(lines, line);) {
        sent += line.find(" ms  >  ") != std::string::npos ? 1 : 0;
        waits += line.find(" ms  .  waited ") != std::string::npos ? 1 : 0;
    }
    return {sent, waits};
}

// The backup a read names on stderr ("backup: PATH"), or "" when it names none.
std::string backupNamed(const std::string& err) {
    const std::string prefix = "backup: ";
    const auto start = err.find(prefix);
    if (start == std::string::npos) {
        return {};
    }
    const auto end = err.find('\n', start);
    return err.substr(start + prefix.size(), end - start - prefix.size());
}

// Two radios at the pace of a 9600-baud line: written with fixed and with fast pacing, they
// hold the same memory, and a fast read gives the sample back byte for byte, in its output
// and in the backup of the read.
TEST(RoundTripTest, FastAndFixedPacingWriteTheSameMemoryAndReadItBack) {
    const TemporaryFolder fixedFolder;
    const TemporaryFolder fastFolder;
    const VirtualRadio fixedRadio(fixedFolder, {"--pace"});
    const VirtualRadio fastRadio(fastFolder, {"--pace"});
    ASSERT_FALSE(fixedRadio.port().empty() || fastRadio.port().empty());

    const CliResult fixed = runOnRadio(fixedFolder, "write", fixedRadio, kSample);
    ASSERT_EQ(fixed.status, 0) << fixed.err;
    EXPECT_NE(fixed.err.find("writing 148/148\n"), std::string::npos) << fixed.err;
    const CliResult fast = runOnRadio(fastFolder, "write", fastRadio, kSample, {"--fast"});
    ASSERT_EQ(fast.status, 0) << fast.err;
    fixedRadio.logThrough(kEndFrame);
    fastRadio.logThrough(kEndFrame);
    EXPECT_EQ(readBytes(fastFolder.file("radio.img")), readBytes(fixedFolder.file("radio.img")));

    const std::string readBack = fastFolder.file("read-back.p46");
    const ScopedVariable data("XDG_DATA_HOME", fastFolder.file("data"));
    const CliResult read = runOnRadio(fastFolder, "read", fastRadio, readBack, {"--fast"});
    ASSERT_EQ(read.status, 0) << read.err;
    EXPECT_NE(read.err.find("reading 138/138\n"), std::string::npos) << read.err;
    EXPECT_EQ(firstDifference(kSample, readBack), "");

    const std::string backup = backupNamed(read.err);
    EXPECT_TRUE(backup.starts_with(fastFolder.file("data/hm3300d/backups/"))) << read.err;
    EXPECT_TRUE(backup.ends_with(".p46")) << backup;
    EXPECT_EQ(firstDifference(kSample, backup), "");
}

// The single-head cable: the echo is removed both ways and VOX is written off. The trace
// of the read lists every frame and wait. A backup that cannot be saved does not fail the
// read.
TEST(RoundTripTest, SingleHeadCableWritesVoxOffAndReadsBack) {
    const TemporaryFolder folder;
    const VirtualRadio radio(folder, {"--single-head"});
    ASSERT_FALSE(radio.port().empty()) << readBytes(folder.file("vradio.log"));

    const CliResult written =
        runOnRadio(folder, "write", radio, kSample, {"--single-head", "--fast"});
    ASSERT_EQ(written.status, 0) << written.err;

    const std::string readBack = folder.file("read-back.p46");
    const std::string trace = folder.file("read.trace");
    testing::writeBytes(folder.file("file"), "");
    const ScopedVariable data("XDG_DATA_HOME", folder.file("file/data"));
    const CliResult result =
        runOnRadio(folder, "read", radio, readBack, {"--single-head", "--trace", trace});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.err.find("hm3300d-cli: warning: the read was not backed up: the folder "),
              std::string::npos)
        << result.err;
    EXPECT_EQ(firstDifference(sampleWithVoxOff(folder), readBack), "");
    // Handshake, ready request, 267 read requests and the end command; the port reset's
    // two waits, then one an exchange.
    EXPECT_EQ(framesAndWaits(trace), std::make_pair(270, 2 + 270));
}

// A channel set from the command line passes the check, is written and reads back as set.
TEST(RadioLinkTest, AChannelSetFromTheCommandLineReadsBackAsSet) {
    const TemporaryFolder folder;
    const std::string edited = folder.file("edited.p46");
    const CliResult set = runCli({"set", kSample, "13", "rx=439.1234", "txtone=D023I", "power=low",
                                  "alias=cli-13", "-o", edited},
                                 folder);
    ASSERT_EQ(set.status, 0) << set.err;
    const CliResult check = runCli({"check", edited}, folder);
    ASSERT_EQ(check.status, 0) << check.out;

    const VirtualRadio radio(folder);
    ASSERT_FALSE(radio.port().empty());
    const CliResult written = runOnRadio(folder, "write", radio, edited, {"--fast"});
    ASSERT_EQ(written.status, 0) << written.err;
    const std::string readBack = folder.file("read-back.p46");
    const CliResult read = runOnRadio(folder, "read", radio, readBack, {"--fast"});
    ASSERT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(firstDifference(edited, readBack), "");
}

TEST(RadioLinkTest, SilentRadioFailsAfterSixHandshakesAndTheEndCommand) {
    const TemporaryFolder folder;
    const VirtualRadio radio(folder, {"--silent"});
    ASSERT_FALSE(radio.port().empty());
    const std::string output = folder.file("never.p46");
    const CliResult result = runCli({"read", "--port", radio.port(), "-o", output}, folder);
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("handshake failed"), std::string::npos) << result.err;
    EXPECT_FALSE(std::filesystem::exists(output));

    const auto log = radio.logThrough(kEndFrame);
    EXPECT_EQ(countStartingWith(log, kHandshakeFrame), 6);
    EXPECT_EQ(countStartingWith(log, kEndFrame), 1);
    EXPECT_EQ(log.size(), 7u);
}

// Ctrl-C in the middle of a read or a write: the exchange in progress ends, the end
// command goes out, and a stopped read writes no file.
TEST(RadioLinkTest, AnInterruptedRunSendsTheEndCommandAndExits130) {
    for (const std::string command : {"read", "write"}) {
        const TemporaryFolder folder;
        const VirtualRadio radio(folder);
        ASSERT_FALSE(radio.port().empty());
        const std::string output = folder.file("stopped.p46");
        const std::vector<std::string> arguments =
            command == "read"
                ? std::vector<std::string>{"read", "--port", radio.port(), "-o", output}
                : std::vector<std::string>{"write", "--port", radio.port(), kSample};
        const CliResult result = runCliSignalled(arguments, folder, SIGINT, 1500);
        EXPECT_EQ(result.status, 130) << command << ": " << result.err;
        EXPECT_NE(result.err.find("interrupted"), std::string::npos) << result.err;
        EXPECT_FALSE(std::filesystem::exists(output));

        const auto log = radio.logThrough(kEndFrame);
        EXPECT_EQ(countStartingWith(log, kEndFrame), 1) << command;
        EXPECT_GT(log.size(), 10u) << command << ": stopped in the middle of the run";
        EXPECT_LT(log.size(), 100u) << command;
    }
}

// Sound frames for another address or of another length are asked for again, up to the
// bound; the read then goes on, here to the channel slot the radio answers with garbage.
TEST(RadioLinkTest, ADataFrameThatIsNotTheBlockAskedForIsAskedAgain) {
    const std::string kReadBand = "52030CC010";
    {
        const TemporaryFolder folder;
        const VirtualRadio radio(folder, {"--wrong-address", "0CC0:2", "--wrong-length", "0CC0:2",
                                          "--garbage", "0010:2"});
        ASSERT_FALSE(radio.port().empty());
        const CliResult result =
            runCli({"read", "--port", radio.port(), "-o", folder.file("x.p46")}, folder);
        EXPECT_EQ(result.status, 1);
        EXPECT_NE(result.err.find("channel 1 slot failed"), std::string::npos) << result.err;
        EXPECT_EQ(countStartingWith(radio.logThrough(kEndFrame), kReadBand), 5);
    }
    const TemporaryFolder folder;
    const VirtualRadio radio(folder, {"--wrong-address", "0CC0:9"});
    ASSERT_FALSE(radio.port().empty());
    const CliResult result =
        runCli({"read", "--port", radio.port(), "-o", folder.file("x.p46")}, folder);
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("band block failed: 5 replies in a row had a wrong checksum or were "
                              "not the block asked for"),
              std::string::npos)
        << result.err;
}

TEST(RadioLinkTest, MissingPortExitsWithItsReason) {
    const TemporaryFolder folder;
    const std::string port = folder.file("ttyUSB7");
    const CliResult result = runCli({"read", "--port", port, "-o", folder.file("x.p46")}, folder);
    EXPECT_EQ(result.status, 5);
    EXPECT_NE(result.err.find(port + " does not exist"), std::string::npos) << result.err;
}

TEST(RadioLinkTest, UnwritableCodeplugIsListedAndNothingIsSent) {
    const TemporaryFolder folder;
    const VirtualRadio radio(folder);
    ASSERT_FALSE(radio.port().empty());
    const CliResult result =
        runCli({"write", "--port", radio.port(), saveUnwritableCodeplug(folder)}, folder);
    EXPECT_EQ(result.status, 4) << result.err;
    EXPECT_TRUE(result.out.starts_with("CH001 RxTone: ")) << result.out;
    EXPECT_TRUE(radio.log().empty());
}

TEST(RadioLinkTest, BadOptionsAreUsageErrorsBeforeAnyPortIsTouched) {
    const TemporaryFolder folder;
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {"read", "-o", "x.p46"},
             {"read", "--port", "/dev/ttyUSB0"},
             {"write", "--port", "/dev/ttyUSB0", "--password", "12345", kSample},
             {"write", "--port", "/dev/ttyUSB0", "--password", "12a456", kSample},
             {"write", "--port", "/dev/ttyUSB0"},
         }) {
        const CliResult result = runCli(arguments, folder);
        EXPECT_EQ(result.status, 2) << arguments.front() << " " << arguments.back();
    }
}

}  // namespace
}  // namespace hm3300::e2e

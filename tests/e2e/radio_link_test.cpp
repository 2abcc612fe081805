#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "file/codeplug_file.h"
#include "model/language_pack.h"
#include "model/value_texts.h"
#include "support/processes.h"
#include "support/temporary_folder.h"
#include "support/virtual_radio.h"

namespace hm3300::e2e {
namespace {

using model::ChannelField;
using testing::CliResult;
using testing::readBytes;
using testing::runCli;
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
    const auto pack = model::LanguagePack::loadOrBuiltin(HM3300_BIN_DIR, model::Language::Chinese);
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

// One full write and one full read per cable: the radio keeps what was written and gives
// back the same file, the single-head echo removed on both ways.
class RoundTripTest : public ::testing::TestWithParam<bool> {};

TEST_P(RoundTripTest, WrittenSampleReadsBackByteForByte) {
    const bool singleHead = GetParam();
    const TemporaryFolder folder;
    std::vector<std::string> cable;
    if (singleHead) {
        cable.push_back("--single-head");
    }
    const VirtualRadio radio(folder, cable);
    ASSERT_FALSE(radio.port().empty()) << readBytes(folder.file("vradio.log"));

    std::vector<std::string> write{"write", "--port", radio.port(), kSample};
    write.insert(write.end(), cable.begin(), cable.end());
    const CliResult written = runCli(write, folder);
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_NE(written.err.find("writing 148/148\n"), std::string::npos) << written.err;

    const std::string readBack = folder.file("read-back.p46");
    std::vector<std::string> read{"read", "--port", radio.port(), "-o", readBack};
    read.insert(read.end(), cable.begin(), cable.end());
    const CliResult result = runCli(read, folder);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.err.find("reading 138/138\n"), std::string::npos) << result.err;
    EXPECT_EQ(firstDifference(kSample, readBack), "");
}

INSTANTIATE_TEST_SUITE_P(Cables, RoundTripTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "SingleHead" : "DualHead"; });

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

#include "vradio/options.h"

#include <gtest/gtest.h>

namespace hm3300::vradio {
namespace {

using Action = CommandLine::Action;

TEST(OptionsTest, TakesEveryOption) {
    const auto line = parseCommandLine({"--link",          "/tmp/radio",   "--image=r.img",
                                        "--single-head",   "--verbose",    "--silent",
                                        "--wrong-id",      "--busy-ready", "3",
                                        "--busy-writes=2", "--garbage",    "0x0CC0:1",
                                        "--garbage",       "0010:2",       "--bad-checksum=0C80:4",
                                        "--refuse-write",  "0810:5",       "--erased-band",
                                        "--wrong-address", "0020:1",       "--wrong-length",
                                        "0030:2",          "--late",       "0C80:3",
                                        "--latency",       "25",           "--pace"});
    ASSERT_EQ(line.action, Action::Serve) << line.error;
    const auto& o = line.options;
    EXPECT_EQ(o.link, "/tmp/radio");
    EXPECT_EQ(o.image, "r.img");
    EXPECT_TRUE(o.singleHead && o.verbose && o.pace);
    EXPECT_EQ(o.latency, std::chrono::milliseconds(25));
    const auto& f = o.faults;
    EXPECT_TRUE(f.silent && f.wrongId && f.erasedBand);
    EXPECT_EQ(f.busyReady, 3);
    EXPECT_EQ(f.busyWrites, 2);
    EXPECT_EQ(f.garbage, (AddressCounts{{0x0CC0, 1}, {0x0010, 2}}));
    EXPECT_EQ(f.badChecksum, (AddressCounts{{0x0C80, 4}}));
    EXPECT_EQ(f.refuseWrite, (AddressCounts{{0x0810, 5}}));
    EXPECT_EQ(f.wrongAddress, (AddressCounts{{0x0020, 1}}));
    EXPECT_EQ(f.wrongLength, (AddressCounts{{0x0030, 2}}));
    EXPECT_EQ(f.late, (AddressCounts{{0x0C80, 3}}));
}

TEST(OptionsTest, DefaultsToAWellBehavedRadio) {
    const auto line = parseCommandLine({"--link", "radio"});
    ASSERT_EQ(line.action, Action::Serve);
    EXPECT_EQ(line.options.image, "hm3300d-vradio.img");
    EXPECT_FALSE(line.options.singleHead || line.options.pace || line.options.faults.silent);
    EXPECT_EQ(line.options.latency.count(), 0);
}

TEST(OptionsTest, RefusesBadCommandLinesWithTheReason) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "--link PATH is required"},
        {{"--image", "x.img"}, "--link PATH is required"},
        {{"--link"}, "--link needs a value"},
        {{"--link", "r", "--frobnicate"}, "unknown argument --frobnicate"},
        {{"--link", "r", "extra"}, "unknown argument extra"},
        {{"--link", "r", "--pace=1"}, "--pace takes no value"},
        {{"--link", "r", "--busy-ready", "-1"}, "bad value for --busy-ready"},
        {{"--link", "r", "--latency", "60001"}, "bad value for --latency"},
        {{"--link", "r", "--garbage", "0CC0"}, "bad value for --garbage"},
        {{"--link", "r", "--refuse-write", "12345:1"}, "bad value for --refuse-write"},
    };
    for (const auto& [arguments, reason] : cases) {
        const auto line = parseCommandLine(arguments);
        EXPECT_EQ(line.action, Action::Refuse) << reason;
        EXPECT_NE(line.error.find(reason), std::string::npos) << line.error;
    }
}

TEST(OptionsTest, HelpIsAskedForAndListsEveryOption) {
    EXPECT_EQ(parseCommandLine({"--link", "r", "--help"}).action, Action::ShowHelp);
    const auto help = helpText();
    for (const auto option :
         {"--link PATH", "--image FILE", "--single-head", "--verbose", "--silent", "--wrong-id",
          "--busy-ready N", "--busy-writes N", "--garbage ADDR:N", "--bad-checksum ADDR:N",
          "--refuse-write ADDR:N", "--wrong-address ADDR:N", "--wrong-length ADDR:N",
          "--late ADDR:N", "--erased-band", "--latency MS", "--pace", "--help"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }
}

}  // namespace
}  // namespace hm3300::vradio

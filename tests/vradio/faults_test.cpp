#include "vradio/faults.h"

#include <gtest/gtest.h>

namespace hm3300::vradio {
namespace {

TEST(FaultsTest, ParsesAddressesWithOrWithoutPrefix) {
    EXPECT_EQ(parseAddress("0C80"), 0x0C80);
    EXPECT_EQ(parseAddress("0x0c80"), 0x0C80);
    EXPECT_EQ(parseAddress("0XFFFF"), 0xFFFF);
    for (const auto bad : {"", "0x", "10000", "0C8G", "-1", "+10", " 10"}) {
        EXPECT_EQ(parseAddress(bad), std::nullopt) << bad;
    }
}

TEST(FaultsTest, ParsesAddressAndCount) {
    EXPECT_EQ(parseAddressCount("0x0CC0:3"), (std::pair<std::uint16_t, int>{0x0CC0, 3}));
    EXPECT_EQ(parseAddressCount("10:0"), (std::pair<std::uint16_t, int>{0x10, 0}));
    for (const auto bad : {"0CC0", "0CC0:", ":3", "0CC0:-1", "0CC0:x", "0CC0:3:4"}) {
        EXPECT_EQ(parseAddressCount(bad), std::nullopt) << bad;
    }
}

TEST(FaultsTest, TakesOnlyTheFirstN) {
    AddressCounts counts = {{0x0010, 2}};
    EXPECT_TRUE(takeOne(counts, 0x0010));
    EXPECT_FALSE(takeOne(counts, 0x0020));
    EXPECT_TRUE(takeOne(counts, 0x0010));
    EXPECT_FALSE(takeOne(counts, 0x0010));
}

}  // namespace
}  // namespace hm3300::vradio

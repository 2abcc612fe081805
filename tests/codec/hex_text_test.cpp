#include "codec/hex_text.h"

#include <gtest/gtest.h>

namespace hm3300::codec {
namespace {

TEST(HexText, BytesBecomeUppercasePairsAndBack) {
    const std::vector<std::uint8_t> bytes{0x0A, 0x1F, 0x00, 0xFF, 0x9C};
    EXPECT_EQ(toHexText(bytes), "0A1F00FF9C");
    EXPECT_EQ(hexTextToBytes("0A1F00FF9C"), bytes);
    EXPECT_EQ(hexTextToBytes("0a1f00ff9c"), bytes);
    EXPECT_EQ(hexByte(0x5), "05");
    EXPECT_EQ(hexByte(0x1AB), "AB");
    EXPECT_EQ(hexWord(0x0C80), "0C80");
    EXPECT_EQ(hexWord(0x1ABCD), "ABCD");
    EXPECT_EQ(hexDigit(0x1C), 'C');
}

TEST(HexText, MalformedTextIsRefusedOrReadSafely) {
    EXPECT_EQ(hexTextToBytes("0A1"), (std::vector<std::uint8_t>{0x0A}));  // odd digit ignored
    EXPECT_EQ(hexTextToBytes("0G"), std::nullopt);
    EXPECT_EQ(hexValue('g'), -1);
    EXPECT_EQ(byteAt("0A1F", 2), 0x1F);
    EXPECT_EQ(byteAt("0A1F", 3), -1);  // only one digit left
    EXPECT_EQ(byteAt("0A1F", 9), -1);
    EXPECT_EQ(byteAt("0X", 0), -1);
    EXPECT_TRUE(isHexText("0a1F"));
    EXPECT_FALSE(isHexText("0A1"));
    EXPECT_FALSE(isHexText("0A 1"));
}

TEST(HexText, NormalizedFieldHasTheLengthAndReadsOddCharactersAsErased) {
    EXPECT_EQ(normalizedField("0a1f", 4), "0A1F");
    EXPECT_EQ(normalizedField("0A", 4), "0AFF");
    EXPECT_EQ(normalizedField("0A1F22", 4), "0A1F");
    EXPECT_EQ(normalizedField("0 x1", 4), "0FF1");
    EXPECT_EQ(normalizedField("", 2), "FF");
}

}  // namespace
}  // namespace hm3300::codec

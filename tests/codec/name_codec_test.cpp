#include "codec/name_codec.h"

#include <gtest/gtest.h>

namespace hm3300::codec {
namespace {

struct NameCase {
    const char* text;
    const char* field;
};

TEST(NameCodec, EncodeTextWritesDisplayCodesAndBlankFill) {
    for (const NameCase& c : {NameCase{"CH-1", "12170A010F0F"}, NameCase{"POLICE", "1F1E1B181214"},
                              NameCase{"a1b", "010F0F0F0F0F"}, NameCase{"", "0F0F0F0F0F0F"},
                              NameCase{"中文", "0F0F0F0F0F0F"}, NameCase{"+_/.*Z", "0B0C0D0E2A29"},
                              NameCase{"ABCDEFG", "10111213141516"}}) {
        EXPECT_EQ(encodeText(c.text), c.field) << c.text;
    }
}

TEST(NameCodec, DecodeTextReadsDisplayCodesUntrimmed) {
    for (const NameCase& c : {NameCase{"CH-1  ", "12170A010F0F"}, NameCase{"", "FFFFFFFFFFFF"},
                              NameCase{"CH   ", "12FF170F0F0F"}, NameCase{"*0", "2A2B00"},
                              NameCase{"", "ffffffffffff"}}) {
        EXPECT_EQ(decodeText(c.field), c.text) << c.field;
    }
}

TEST(NameCodec, EveryDisplayCodeRoundTrips) {
    for (unsigned code = 0; code <= 0x2A; ++code) {
        const std::string text = decodeText(hexByte(code) + "0F0F0F0F0F").substr(0, 1);
        ASSERT_EQ(text.size(), 1u) << code;
        EXPECT_EQ(displayCode(text[0]), static_cast<int>(code));
    }
    EXPECT_EQ(displayCode('a'), -1);
    EXPECT_EQ(displayableLength("Ab 1-中"), 4u);
}

}  // namespace
}  // namespace hm3300::codec

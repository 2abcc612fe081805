#include "codec/dtmf_codec.h"

#include <gtest/gtest.h>

namespace hm3300::codec {
namespace {

struct DigitsCase {
    const char* digits;
    const char* nibbles;
};

TEST(DtmfCodec, DigitsAndNibblesConvertBothWays) {
    for (const DigitsCase& c : {DigitsCase{"*0#", "BAC"}, DigitsCase{"ABCD", "DEF0"},
                                DigitsCase{"1234567890", "123456789A"}, DigitsCase{"", ""}}) {
        const int count = static_cast<int>(std::string_view(c.digits).size());
        EXPECT_EQ(encodeDtmf(c.digits, count), c.nibbles) << c.digits;
        EXPECT_EQ(decodeDtmf(c.nibbles, count), c.digits) << c.nibbles;
    }
    EXPECT_EQ(decodeDtmf("0123456789ABCDEF", 16), "D1234567890*#ABC");
}

TEST(DtmfCodec, EncodeDtmfSkipsEAndFAndRefusesOtherCharacters) {
    EXPECT_EQ(encodeDtmf("1E2F", 4), "12");
    EXPECT_EQ(encodeDtmf("abcd", 4), "DEF0");  // read as hexadecimal digits
    EXPECT_EQ(encodeDtmf("12345", 3), "123");  // only the first `count` characters
    EXPECT_EQ(encodeDtmf("12", 5), "12");
    EXPECT_EQ(encodeDtmf("12X", 3), std::nullopt);
    EXPECT_EQ(encodeDtmf("1 2", 3), std::nullopt);
    EXPECT_EQ(encodeDtmf("12X", 2), "12");  // the bad character lies beyond the count
}

TEST(DtmfCodec, DecodeDtmfReadsOnlyTheCountedNibbles) {
    EXPECT_EQ(decodeDtmf("BAC", 2), "*0");
    EXPECT_EQ(decodeDtmf("BAC", 9), "*0#");
    EXPECT_EQ(decodeDtmf("BAC", -1), "");
}

TEST(DtmfCodec, CodeFieldsCarryDigitsFillAndCount) {
    for (const DigitsCase& c :
         {DigitsCase{"12345", "12345FFFFFFFFFF5"}, DigitsCase{"1000", "1AAAFFFFFFFFFFF4"},
          DigitsCase{"", "FFFFFFFFFFFFFFF0"}, DigitsCase{"123456789012345", "123456789A12345F"},
          DigitsCase{"*#ABCD0", "BCDEF0AFFFFFFFF7"}}) {
        EXPECT_EQ(encodeDtmfCodeField(c.digits), c.nibbles) << c.digits;
        EXPECT_EQ(decodeDtmfCodeField(c.nibbles), c.digits) << c.nibbles;
    }
}

TEST(DtmfCodec, TheCountNibbleDecidesWhatIsRead) {
    EXPECT_EQ(decodeDtmfCodeField("12345FFFFFFFFFF0"), "");
    EXPECT_EQ(decodeDtmfCodeField("FFFFFFFFFFFFFFFF"), std::string(15, 'C'));  // erased
    EXPECT_EQ(decodeDtmfCodeField("12345FFFFFFFFFF2"), "12");
    EXPECT_EQ(decodeDtmfCodeField("12"), std::string("12") + std::string(13, 'C'));  // short
}

// Codes the write check refuses still give a field of 16 digits.
TEST(DtmfCodec, FieldOfAnInvalidCodeKeepsItsLength) {
    EXPECT_EQ(encodeDtmfCodeField("1234567890123456"), "123456789A12345F");
    EXPECT_EQ(encodeDtmfCodeField("1E2x"), "12FFFFFFFFFFFFF2");
}

}  // namespace
}  // namespace hm3300::codec

#include "codec/tone_codec.h"

#include <gtest/gtest.h>

#include "model/tone_list.h"
#include "sample_texts.h"

namespace hm3300::codec {
namespace {

using model::Channel;
using model::ChannelField;
using testing::kChinese;

const std::string& kOff = kChinese.OffText;

TEST(ToneCodec, CodeTablesGiveThePositionOfTheKey) {
    EXPECT_EQ(encodeCtcss(63), "01");
    EXPECT_EQ(encodeCtcss(67), "02");
    EXPECT_EQ(encodeCtcss(100), "0E");
    EXPECT_EQ(encodeCtcss(254), "33");
    EXPECT_EQ(encodeCtcss(64), "");
    EXPECT_EQ(encodeCtcss(-1), "");
    EXPECT_EQ(encodeDcs(17), "01");
    EXPECT_EQ(encodeDcs(23), "02");
    EXPECT_EQ(encodeDcs(114), "13");
    EXPECT_EQ(encodeDcs(754), "6B");
    EXPECT_EQ(encodeDcs(18), "");
}

struct EncodeCase {
    bool receive;
    const char* text;
    const char* field;
};

TEST(ToneCodec, ToneTextsEncodeToCodeAndDirectionFlag) {
    for (const EncodeCase& c : {
             EncodeCase{true, "67.0", "0282"},
             EncodeCase{false, "67.0", "0281"},
             EncodeCase{true, "100.0", "0E82"},
             EncodeCase{true, "254.1", "3382"},
             EncodeCase{true, "D023N", "02C4"},
             EncodeCase{false, "D023N", "02C3"},
             EncodeCase{false, "D023I", "02E3"},
             EncodeCase{true, "D754I", "6BE4"},
             EncodeCase{true, "禁用", "FF00"},
             EncodeCase{false, "禁用", "FF00"},
             EncodeCase{true, "", "FF00"},
             EncodeCase{true, "   ", "FF00"},
             EncodeCase{true, " 67.0\t", "0282"},
             EncodeCase{false, "\r禁用 ", "FF00"},
         }) {
        const HexText field = c.receive ? encodeRxTone(c.text, kOff) : encodeTxTone(c.text, kOff);
        EXPECT_EQ(field, c.field) << c.text << (c.receive ? " rx" : " tx");
    }
}

TEST(ToneCodec, EveryToneListEntryRoundTripsWithItsIndex) {
    for (int index = 0; index < model::ToneList::kSize; ++index) {
        const std::string text = model::ToneList::text(index, kOff);
        Channel channel;
        decodeTone(2, channel, encodeRxTone(text, kOff), kOff);
        decodeTone(4, channel, encodeTxTone(text, kOff), kOff);
        EXPECT_EQ(channel[ChannelField::RxTone], text);
        EXPECT_EQ(channel[ChannelField::RxCode], std::to_string(index));
        EXPECT_EQ(channel[ChannelField::TxTone], text);
        EXPECT_EQ(channel[ChannelField::TxCode], std::to_string(index));
        EXPECT_TRUE(isEncodableTone(text, kOff));
    }
}

struct DecodeCase {
    int which;
    const char* field;
    const char* text;
    const char* code;
};

TEST(ToneCodec, FieldsDecodeByTheFlagNibble) {
    for (const DecodeCase& c : {
             DecodeCase{2, "0282", "67.0", "2"}, DecodeCase{2, "02C4", "D023N", "53"},
             DecodeCase{2, "02E4", "D023I", "160"}, DecodeCase{4, "0E81", "100.0", "14"},
             DecodeCase{2, "FF00", "禁用", "0"}, DecodeCase{4, "FFFF", "禁用", "0"},
             DecodeCase{2, "0080", "禁用", "0"},     // CTCSS code 0 is the off entry
             DecodeCase{2, "3482", "D017N", "52"},   // only the list's own bounds count
             DecodeCase{4, "6CC3", "D017I", "159"},  // DCS normal code 108
             DecodeCase{2, "6BEF", "D754I", "265"},  // the low nibble of the flag is not read
         }) {
        Channel channel;
        decodeTone(c.which, channel, c.field, kOff);
        const bool receive = c.which == 2;
        EXPECT_EQ(channel[receive ? ChannelField::RxTone : ChannelField::TxTone], c.text)
            << c.field;
        EXPECT_EQ(channel[receive ? ChannelField::RxCode : ChannelField::TxCode], c.code)
            << c.field;
    }
}

TEST(ToneCodec, UnknownFlagOrCodeBeyondTheListLeavesTheTextAndSetsCodeZero) {
    for (const char* field : {"0240", "0210", "FFC4", "6CE3"}) {
        Channel channel;
        channel[ChannelField::RxTone] = "";
        channel[ChannelField::TxTone] = "before";
        channel[ChannelField::TxCode] = "7";
        decodeTone(2, channel, field, kOff);
        decodeTone(4, channel, field, kOff);
        EXPECT_EQ(channel[ChannelField::RxTone], "") << field;
        EXPECT_EQ(channel[ChannelField::RxCode], "0") << field;
        EXPECT_EQ(channel[ChannelField::TxTone], "before") << field;
        EXPECT_EQ(channel[ChannelField::TxCode], "0") << field;
    }
}

// Texts outside the tone list come only from hand-edited files; the write check refuses them
// and the encoder still gives a 4-digit field.
TEST(ToneCodec, TextsOutsideTheToneListAreNotEncodableButStayFourDigits) {
    for (const char* text : {"OFF", "67.5", "67", "D018N", "D02N", "N", "I", "x", "1234567"}) {
        EXPECT_FALSE(isEncodableTone(text, kOff)) << text;
        EXPECT_EQ(encodeRxTone(text, kOff).size(), 4u) << text;
        EXPECT_TRUE(isHexText(encodeTxTone(text, kOff))) << text;
    }
    EXPECT_TRUE(isEncodableTone(" D023I ", kOff));
    EXPECT_TRUE(isEncodableTone("", kOff));
}

TEST(ToneCodec, ShortFieldsDecodeWithoutFailing) {
    Channel channel;
    decodeTone(2, channel, "02", kOff);  // missing flag reads as erased: off
    EXPECT_EQ(channel[ChannelField::RxTone], "禁用");
    EXPECT_EQ(channel[ChannelField::RxCode], "0");
}

}  // namespace
}  // namespace hm3300::codec

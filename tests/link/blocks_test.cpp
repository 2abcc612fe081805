#include "link/blocks.h"

#include <gtest/gtest.h>

#include "link/memory_map.h"
#include "test_codeplugs.h"

namespace hm3300::link {
namespace {

using model::Option;
using model::RadioSettings;

TEST(MemoryMap, RequestTextsOfTheFirstAndLastSlots) {
    struct Case {
        std::string request;
        std::string expected;
    };
    const Case cases[] = {
        {readRequest(channelSlotAddress(1), kBlockSize), "5203001010"},
        {readRequest(channelSlotAddress(128), kBlockSize), "5203080010"},
        {readRequest(nameSlotAddress(1), kNameSlotSize), "5203081008"},
        {readRequest(nameSlotAddress(128), kNameSlotSize), "52030C0808"},
        {readRequest(callBlockAddress(4), kBlockSize), "52030DC010"},
        {readRequest(kBandBlockAddress, kBlockSize), "52030CC010"},
        {writeRequest(channelSlotAddress(1), std::string(32, 'F')),
         "57120010" + std::string(32, 'F')},
        {writeRequest(channelSlotAddress(128), std::string(32, 'F')),
         "57120800" + std::string(32, 'F')},
        {writeRequest(nameSlotAddress(1), "0F0F0F0F0F0FFFFF"), "570A08100F0F0F0F0F0FFFFF"},
        {writeRequest(nameSlotAddress(128), "0F0F0F0F0F0FFFFF"), "570A0C080F0F0F0F0F0FFFFF"},
        {writeRequest(kDtmfBlockAddress, std::string(22, '0')), "570D0C90" + std::string(22, '0')},
        {writeRequest(kPasswordBlockAddress, "050800040107"), "57080CD0050800040107"},
        {writeRequest(clearedBlockAddress(7), encodeClearedBlock()),
         "57120D70" + std::string(32, 'F')},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.request, c.expected);
    }
}

TEST(OptionBlock, ResetSettingsEncodeAndDecodeBack) {
    const RadioSettings reset;
    const HexText block = encodeOptionBlock(reset, "FF");
    EXPECT_EQ(block, "FF800202FF040300F9FFFF0302FEF0F0");

    RadioSettings decoded;
    decoded.setChoice(Option::Squelch, 7);
    decoded.setFlag(Option::Beep, false);
    decoded.setChoice(Option::VoxSQL, 6);
    decoded.setChoice(Option::Group, 4);
    decodeOptionBlock(block, decoded);
    EXPECT_EQ(testing::differences(decoded, reset), "");
}

TEST(OptionBlock, EveryFieldChangedSurvivesTheRoundTrip) {
    RadioSettings settings;
    settings.setChoice(Option::Squelch, 9);
    settings.setChoice(Option::scankind, 0);
    settings.setChoice(Option::VFO_MR, 0);
    settings.setFlag(Option::Save, false);
    settings.setFlag(Option::Beep, false);
    settings.setChoice(Option::step, 1);
    settings.setChoice(Option::TOT, 7);
    settings.setChoice(Option::APO, 15);
    settings.setChoice(Option::Band, 0);
    settings.setChoice(Option::MR_freq_MR_CH, 0);
    settings.setFlag(Option::Key_Lock, true);
    settings.setFlag(Option::VoxRX, false);
    settings.setFlag(Option::FM_Enable, false);
    settings.setFlag(Option::EMG, false);
    settings.setFlag(Option::Exp_Freq, true);
    settings.setChoice(Option::VoxSQL, 7);
    settings.setChoice(Option::VoxDelay, 3);
    settings.setFlag(Option::Strip, false);
    settings.setFlag(Option::DTMF_Beep, false);
    settings.setFlag(Option::Auto_ACK, false);
    settings.setChoice(Option::Monitor, 3);
    settings.setFlag(Option::ACK_Decode, false);
    settings.setFlag(Option::DTMF_Side, false);
    settings.setFlag(Option::Display_PTT_ID, false);
    settings.setChoice(Option::PTT_ID, 2);
    settings.setChoice(Option::Group, 5);

    const HexText block = encodeOptionBlock(settings, "0A");
    EXPECT_EQ(block, "0A800209B101070F490FFF08031372F5");
    RadioSettings decoded;
    decodeOptionBlock(block, decoded);
    EXPECT_EQ(testing::differences(decoded, settings), "");
}

// Byte 11 low nibble (VoxSQL), byte 12 (VoxDelay), byte 15 low nibble (Group),
// byte 14 low nibble (PTT ID) and the one-nibble Squelch field, with everything else reset.
HexText resetBlockWith(std::size_t character, char value) {
    HexText block = encodeOptionBlock(RadioSettings{}, "FF");
    block[character] = value;
    return block;
}

TEST(OptionBlock, ReadsOutOfRangeNibblesAsTheLayoutSays) {
    struct Case {
        std::size_t character;
        char nibble;
        Option option;
        int index;
    };
    const Case cases[] = {
        {23, '0', Option::VoxSQL, -1},  // no selection
        {23, '1', Option::VoxSQL, 0},   {23, '8', Option::VoxSQL, 7},
        {23, '9', Option::VoxSQL, 2},   {25, '3', Option::VoxDelay, 3},
        {25, '4', Option::VoxDelay, 4}, {25, '5', Option::VoxDelay, 2},
        {29, '7', Option::PTT_ID, 3},   {29, 'E', Option::PTT_ID, 2},
        {31, '7', Option::Group, 7},    {31, '9', Option::Group, 3},  // left as it was
        {7, 'C', Option::Squelch, 12},  {15, 'F', Option::APO, 15},
    };
    for (const Case& c : cases) {
        RadioSettings settings;
        settings.setChoice(Option::Group, 3);
        decodeOptionBlock(resetBlockWith(c.character, c.nibble), settings);
        EXPECT_EQ(settings.choice(c.option), c.index)
            << "character " << c.character << " = " << c.nibble;
    }
}

TEST(DtmfBlock, ResetSettingsEncodeToElevenBytesAndBack) {
    RadioSettings settings;
    settings.setChoice(Option::SpareKeyAssignment, 2);
    const HexText block = encodeDtmfBlock(settings);
    EXPECT_EQ(block, "FFFFF2F10A0A002800F114");

    RadioSettings decoded;
    decoded.setNumber(Option::Digit_Time, 200);
    decoded.setFlag(Option::Stun, false);
    decodeDtmfBlock(block + "FFFFFFFFFF", decoded);
    EXPECT_EQ(testing::differences(decoded, settings), "");
}

TEST(DtmfBlock, TimesInTensOfMillisecondsAndAutoResetInHalfSeconds) {
    RadioSettings settings;
    settings.setNumber(Option::Digit_Time, 100);
    settings.setNumber(Option::Pretime, 1000);
    settings.setNumber(Option::Auto_Reset, 10);
    settings.setFlag(Option::Stun, false);
    settings.setChoice(Option::Stun_Type, 0);
    const HexText block = encodeDtmfBlock(settings);
    EXPECT_EQ(block.substr(8, 2), "0A");
    EXPECT_EQ(block.substr(14, 2), "64");
    EXPECT_EQ(block.substr(18, 2), "70");
    EXPECT_EQ(block.substr(20, 2), "14");

    RadioSettings decoded;
    decodeDtmfBlock("FFFFF5F60A0A002800F115", decoded);
    EXPECT_EQ(decoded.number(Option::Digit_Time), 100);
    EXPECT_EQ(decoded.number(Option::Auto_Reset), 10.5);
    EXPECT_EQ(decoded.choice(Option::SpareKeyAssignment), 1);  // mod 4
    EXPECT_EQ(decoded.choice(Option::Key_Assignment), 2);
}

TEST(DtmfBlock, StunFromTheHighNibbleAndStunTypeFromBitZero) {
    struct Case {
        std::string byte9;
        bool stun;
        int stunType;
    };
    const Case cases[] = {{"F1", true, 1}, {"70", false, 0}, {"83", true, 1}, {"0E", false, 0}};
    for (const Case& c : cases) {
        RadioSettings settings;
        decodeDtmfBlock("FFFFF0F10A0A002800" + c.byte9 + "14", settings);
        EXPECT_EQ(settings.flag(Option::Stun), c.stun) << c.byte9;
        EXPECT_EQ(settings.choice(Option::Stun_Type), c.stunType) << c.byte9;
    }
}

TEST(BandBlock, RangesAreLowerDashUpperFromTheFirstThreeDigits) {
    const auto ranges = decodeBandBlock("47004000480040101740136017301350");
    EXPECT_EQ(ranges[0], "400-470MHz");
    EXPECT_EQ(ranges[1], "401-480MHz");
    EXPECT_EQ(ranges[2], "136-174MHz");
    EXPECT_EQ(ranges[3], "135-173MHz");
    EXPECT_EQ(decodeBandBlock(std::string(32, 'F'))[0], "FFF-FFFMHz");
}

TEST(PasswordBlock, DigitsOnePerByteAndTheDefaultForAnotherLength) {
    RadioSettings settings;
    settings.setText(Option::Password, "123456");
    EXPECT_EQ(encodePasswordBlock(settings), "010203040506");
    settings.setText(Option::Password, "12345");
    EXPECT_EQ(encodePasswordBlock(settings), "050800040107");

    decodePasswordBlock("F9F8070605F4FFFFFFFFFFFFFFFFFFFF", settings);
    EXPECT_EQ(settings.text(Option::Password), "987654");
}

TEST(CodeFields, CallIdAndCodeBlocksHoldTwoFieldsEach) {
    RadioSettings settings;
    settings.setText(Option::Call8, "1000");
    settings.setText(Option::Call9, "123456789012345");
    settings.setText(Option::Private, "12345");
    settings.setText(Option::Stun_Code, "");
    settings.setText(Option::BOT, "*0#");
    settings.setText(Option::EOT, "ABCD");

    EXPECT_EQ(encodeCallBlock(4, settings), "1AAAFFFFFFFFFFF4123456789A12345F");
    EXPECT_EQ(encodeIdBlock(settings), "12345FFFFFFFFFF5FFFFFFFFFFFFFFF0");
    EXPECT_EQ(encodeCodeBlock(settings), "BACFFFFFFFFFFFF3DEF0FFFFFFFFFFF4");

    RadioSettings decoded;
    decodeCallBlock(4, encodeCallBlock(4, settings), decoded);
    decodeIdBlock(encodeIdBlock(settings), decoded);
    decodeCodeBlock(encodeCodeBlock(settings), decoded);
    EXPECT_EQ(testing::differences(decoded, settings), "");
}

TEST(CodeFields, AnErasedFieldReadsAsFifteenC) {
    RadioSettings settings;
    decodeCallBlock(0, std::string(32, 'F'), settings);
    EXPECT_EQ(settings.text(Option::Call0), std::string(15, 'C'));
    EXPECT_EQ(settings.text(Option::Call1), std::string(15, 'C'));
}

}  // namespace
}  // namespace hm3300::link

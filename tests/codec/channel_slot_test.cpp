#include "codec/channel_slot.h"

#include <gtest/gtest.h>

#include "model/tone_list.h"
#include "sample_texts.h"

namespace hm3300::codec {
namespace {

using model::Channel;
using model::ChannelField;
using testing::kChinese;
using testing::kEnglish;

Channel newChannel(const char* rxFreq, const model::ValueTexts& texts = kChinese) {
    Channel channel;
    channel[ChannelField::RxFreq] = rxFreq;
    channel.fillNewChannelDefaults(texts);
    return channel;
}

TEST(ChannelSlot, NewChannelEncodesAsTheRadioExpects) {
    EXPECT_EQ(encodeChannelSlot(newChannel("145.12500"), kChinese),
              "1451250014512500FF00FF00FFFFFF70");
    EXPECT_EQ(encodeChannelSlot(newChannel("145.12500", kEnglish), kEnglish),
              "1451250014512500FF00FF00FFFFFF70");
}

TEST(ChannelSlot, ShiftNibbleComparesTheFrequenciesAsNumbers) {
    struct Case {
        const char* txFreq;
        char shift;
    };
    for (const Case& c : {Case{"145.72500", '1'}, Case{"144.52500", '2'}, Case{"145.12500", '0'},
                          Case{"145.125", '0'}}) {
        Channel channel = newChannel("145.12500");
        channel[ChannelField::TxFreq] = c.txFreq;
        EXPECT_EQ(encodeChannelSlot(channel, kChinese).back(), c.shift) << c.txFreq;
    }
}

TEST(ChannelSlot, PowerNibbleIsFWhenAllThreeAreEmpty) {
    struct Case {
        const char* power;
        const char* bandwidth;
        const char* busyLock;
        char nibble;
    };
    for (const Case& c : {Case{"高功率", "宽带", "禁用", 'F'}, Case{"低功率", "窄带", "启用", '2'},
                          Case{"", "", "", 'F'}, Case{"", "宽带", "禁用", '7'},
                          Case{"高功率", "", "", 'A'}, Case{"High", "Wide", "OFF", '2'}}) {
        Channel channel = newChannel("145.12500");
        channel[ChannelField::Power] = c.power;
        channel[ChannelField::Bandwidth] = c.bandwidth;
        channel[ChannelField::BusyLock] = c.busyLock;
        EXPECT_EQ(encodePowerNibble(channel, kChinese), c.nibble)
            << c.power << c.bandwidth << c.busyLock;
        EXPECT_EQ(encodeChannelSlot(channel, kChinese)[28], c.nibble);
    }
}

TEST(ChannelSlot, VoiceNibbleCombinesTailEliminationAndVoiceMode) {
    struct Case {
        const char* tailElim;
        const char* voiceMode;
        char nibble;
    };
    for (const Case& c :
         {Case{"启用", "禁用", 'F'}, Case{"禁用", "禁用", 'E'}, Case{"", "禁用", 'F'},
          Case{"启用", "扰频", 'B'}, Case{"启用", "压扩", '7'}, Case{"禁用", "压扩", '6'},
          Case{"启用", "", '3'}, Case{"禁用", "Comp", '2'}}) {
        Channel channel = newChannel("145.12500");
        channel[ChannelField::TailElim] = c.tailElim;
        channel[ChannelField::VoiceMode] = c.voiceMode;
        EXPECT_EQ(encodeChannelSlot(channel, kChinese)[29], c.nibble) << c.tailElim << c.voiceMode;
    }
}

TEST(ChannelSlot, SwitchNibbleSetsABitForEachOffSwitch) {
    Channel channel = newChannel("145.12500");
    for (ChannelField field :
         {ChannelField::ScanAdd, ChannelField::Vox, ChannelField::Dtmf, ChannelField::PttId}) {
        channel[field] = kChinese.OffText;
    }
    EXPECT_EQ(encodeChannelSlot(channel, kChinese)[30], 'F');
    for (ChannelField field :
         {ChannelField::ScanAdd, ChannelField::Vox, ChannelField::Dtmf, ChannelField::PttId}) {
        channel[field] = kChinese.OnText;
    }
    EXPECT_EQ(encodeChannelSlot(channel, kChinese)[30], '0');
    channel[ChannelField::ScanAdd] = "";  // anything but the off text counts as on
    channel[ChannelField::PttId] = kChinese.OffText;
    EXPECT_EQ(encodeChannelSlot(channel, kChinese)[30], '1');
}

TEST(ChannelSlot, EmptyChannelIsErasedMemoryWithABlankName) {
    Channel channel;
    channel[ChannelField::TxFreq] = "145.12500";  // a leftover does not make a channel
    channel[ChannelField::Alias] = "";
    EXPECT_EQ(encodeChannelSlot(channel, kChinese), std::string(32, 'F'));
    EXPECT_EQ(encodeNameSlot(channel[ChannelField::Alias]), "0F0F0F0F0F0FFFFF");
}

TEST(ChannelSlot, DecodingSetsEveryAttributeFromTheNibbles) {
    Channel channel;
    decodeChannelSlot(channel, "1451250014572500028202C3FFFF6AB1", kChinese);
    EXPECT_EQ(channel[ChannelField::RxFreq], "145.12500");
    EXPECT_EQ(channel[ChannelField::TxFreq], "145.72500");
    EXPECT_EQ(channel[ChannelField::RxTone], "67.0");
    EXPECT_EQ(channel[ChannelField::RxCode], "2");
    EXPECT_EQ(channel[ChannelField::TxTone], "D023N");
    EXPECT_EQ(channel[ChannelField::TxCode], "53");
    EXPECT_EQ(channel[ChannelField::Power], "低功率");    // 6: bit 3 clear
    EXPECT_EQ(channel[ChannelField::Bandwidth], "宽带");  // bit 2 set
    EXPECT_EQ(channel[ChannelField::BusyLock], "启用");   // bit 0 clear
    EXPECT_EQ(channel[ChannelField::TailElim], "禁用");   // A: even
    EXPECT_EQ(channel[ChannelField::VoiceMode], "扰频");  // 8-11
    EXPECT_EQ(channel[ChannelField::PttId], "禁用");      // B = 1011
    EXPECT_EQ(channel[ChannelField::Dtmf], "禁用");
    EXPECT_EQ(channel[ChannelField::Vox], "启用");
    EXPECT_EQ(channel[ChannelField::ScanAdd], "禁用");
    EXPECT_EQ(channel[ChannelField::Alias], "");
}

TEST(ChannelSlot, PowerNibblesZeroAndTwoReadTheSame) {
    for (char nibble : {'0', '2'}) {
        Channel channel;
        decodePowerNibble(nibble, channel, kChinese);
        EXPECT_EQ(channel[ChannelField::Power], "低功率");
        EXPECT_EQ(channel[ChannelField::Bandwidth], "窄带");
        EXPECT_EQ(channel[ChannelField::BusyLock], "启用");
    }
    Channel channel;
    decodePowerNibble('F', channel, kEnglish);
    EXPECT_EQ(channel[ChannelField::Power], "High");
    EXPECT_EQ(channel[ChannelField::Bandwidth], "Wide");
    EXPECT_EQ(channel[ChannelField::BusyLock], "OFF");
}

TEST(ChannelSlot, VoiceCodesBelowFourLeaveTheVoiceModeAlone) {
    struct Case {
        char nibble;
        const char* tailElim;
        const char* voiceMode;
    };
    for (const Case& c :
         {Case{'3', "启用", "压扩"}, Case{'0', "禁用", "压扩"}, Case{'E', "禁用", "禁用"},
          Case{'5', "启用", "压扩"}, Case{'8', "禁用", "扰频"}, Case{'F', "启用", "禁用"}}) {
        Channel channel;
        channel[ChannelField::VoiceMode] = "压扩";  // held before the read
        HexText slot = "1451250014512500FF00FF00FFFFFF70";
        slot[29] = c.nibble;
        decodeChannelSlot(channel, slot, kChinese);
        EXPECT_EQ(channel[ChannelField::TailElim], c.tailElim) << c.nibble;
        EXPECT_EQ(channel[ChannelField::VoiceMode], c.voiceMode) << c.nibble;
    }
}

TEST(ChannelSlot, SlotStartingFFEmptiesAllButTheVoiceMode) {
    Channel channel = newChannel("145.12500");
    channel[ChannelField::Alias] = "OLD";
    channel[ChannelField::VoiceMode] = "扰频";
    decodeChannelSlot(channel, "FF51250014512500028202C3FFFF6AB1", kChinese);
    Channel expected;
    expected[ChannelField::VoiceMode] = "扰频";
    EXPECT_EQ(channel, expected);
}

TEST(ChannelSlot, MalformedSlotsDecodeWithoutFailing) {
    Channel channel;
    decodeChannelSlot(channel, "14512500", kChinese);  // the rest reads as erased
    EXPECT_EQ(channel[ChannelField::RxFreq], "145.12500");
    EXPECT_EQ(channel[ChannelField::TxFreq], "");
    EXPECT_EQ(channel[ChannelField::RxTone], "禁用");
    decodeChannelSlot(channel, "", kChinese);
    EXPECT_FALSE(channel.exists());
}

TEST(ChannelSlot, NameSlotCarriesTheAliasAndTwoErasedBytes) {
    EXPECT_EQ(encodeNameSlot("CH-1"), "12170A010F0FFFFF");
    EXPECT_EQ(decodeNameSlot("12170A010F0FFFFF"), "CH-1");
    EXPECT_EQ(decodeNameSlot("0F100F110F0FFFFF"), "A B");
    EXPECT_EQ(decodeNameSlot("FFFFFFFFFFFF0000"), "");
    EXPECT_EQ(decodeNameSlot("0F0F0F0F0F0FFFFF"), "");
    EXPECT_EQ(encodeNameSlot("ABCDEFGH"), "101112131415FFFF");  // refused before a write
}

struct RoundTripCase {
    const char* rxFreq;
    const char* txFreq;
    int rxTone;  // tone list index
    int txTone;
    bool high;
    bool wide;
    bool busyLockOff;
    bool tailElimOn;
    model::ValueKind voiceMode;
    bool scanAdd, vox, dtmf, pttId;
    const char* alias;
};

Channel channelOf(const RoundTripCase& c, const model::ValueTexts& texts) {
    const auto onOff = [&](bool on) { return on ? texts.OnText : texts.OffText; };
    Channel channel;
    channel[ChannelField::RxFreq] = c.rxFreq;
    channel[ChannelField::TxFreq] = c.txFreq;
    channel[ChannelField::RxTone] = model::ToneList::text(c.rxTone, texts.OffText);
    channel[ChannelField::RxCode] = std::to_string(c.rxTone);
    channel[ChannelField::TxTone] = model::ToneList::text(c.txTone, texts.OffText);
    channel[ChannelField::TxCode] = std::to_string(c.txTone);
    channel[ChannelField::Power] = c.high ? texts.HighText : texts.LowText;
    channel[ChannelField::Bandwidth] = c.wide ? texts.WideText : texts.NarrowText;
    channel[ChannelField::BusyLock] = c.busyLockOff ? texts.OffText : texts.OnText;
    channel[ChannelField::TailElim] = onOff(c.tailElimOn);
    channel[ChannelField::VoiceMode] = texts.text(c.voiceMode);
    channel[ChannelField::ScanAdd] = onOff(c.scanAdd);
    channel[ChannelField::Vox] = onOff(c.vox);
    channel[ChannelField::Dtmf] = onOff(c.dtmf);
    channel[ChannelField::PttId] = onOff(c.pttId);
    channel[ChannelField::Alias] = c.alias;
    return channel;
}

TEST(ChannelSlot, ChannelsRoundTripThroughTheirSlots) {
    using enum model::ValueKind;
    const RoundTripCase cases[] = {
        {"145.12500", "145.12500", 0, 0, true, true, true, true, Off, true, false, false, false,
         ""},
        {"438.00625", "430.00625", 2, 14, false, false, false, false, Compander, false, true, true,
         true, "CH-1"},
        {"136.00000", "174.99975", 53, 160, true, false, true, false, Scrambler, true, true, false,
         false, "REP *2"},
        {"999.99975", "100.00000", 51, 265, false, true, false, true, Off, false, false, true, true,
         "A_B/C."},
        {"462.56250", "467.56250", 158, 159, true, true, false, true, Compander, true, false, true,
         false, "+-9"},
    };
    for (const model::ValueTexts* texts : {&kChinese, &kEnglish}) {
        for (const RoundTripCase& c : cases) {
            const Channel original = channelOf(c, *texts);
            Channel decoded = newChannel("100.00000", *texts);  // whatever the row held before
            decodeChannelSlot(decoded, encodeChannelSlot(original, *texts), *texts);
            decoded[ChannelField::Alias] =
                decodeNameSlot(encodeNameSlot(original[ChannelField::Alias]));
            EXPECT_EQ(decoded, original) << c.rxFreq << " " << c.alias;
        }
    }
}

}  // namespace
}  // namespace hm3300::codec

#include "codec/write_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "sample_texts.h"

namespace hm3300::codec {
namespace {

using model::ChannelField;
using model::Codeplug;
using model::Option;
using testing::kChinese;
using testing::kEnglish;

// A codeplug using every kind of value the radio can take: channels 1, 12 and 128.
Codeplug cleanCodeplug(const model::ValueTexts& texts) {
    Codeplug codeplug;
    auto& first = codeplug.channels.row(1);
    first[ChannelField::RxFreq] = "145.12500";
    first.fillNewChannelDefaults(texts);

    auto& twelfth = codeplug.channels.row(12);
    twelfth[ChannelField::RxFreq] = "438.00625";
    twelfth.fillNewChannelDefaults(texts);
    twelfth[ChannelField::TxFreq] = "430.01875";
    twelfth[ChannelField::RxTone] = "67.0";
    twelfth[ChannelField::TxTone] = "D754I";
    twelfth[ChannelField::Power] = texts.LowText;
    twelfth[ChannelField::Bandwidth] = texts.NarrowText;
    twelfth[ChannelField::VoiceMode] = texts.ScramblerText;
    twelfth[ChannelField::Alias] = "REP *2";

    auto& last = codeplug.channels.row(128);
    last[ChannelField::RxFreq] = "999.99375";
    last.fillNewChannelDefaults(texts);
    last[ChannelField::RxTone] = "";         // written as no tone
    last[ChannelField::TxTone] = " 100.0 ";  // blanks around the text are ignored
    last[ChannelField::Power] = "";          // the encoder defines empty cells
    last[ChannelField::VoiceMode] = texts.CompanderText;
    last[ChannelField::Alias] = "A_B/C.";

    // Not a channel: whatever its other cells hold is never written.
    auto& leftover = codeplug.channels.row(50);
    leftover[ChannelField::TxFreq] = "xyz";
    leftover[ChannelField::Power] = "High";

    codeplug.settings.setText(Option::Stun_Code, "12345678");
    codeplug.settings.setText(Option::Call9, "0123456789ABCD*");
    // Values a radio may hold: whole multiples of its unit, between the spin steps.
    codeplug.settings.setNumber(Option::Auto_Reset, 10.5);
    codeplug.settings.setNumber(Option::First_Digit, 60);
    codeplug.settings.setFlag(Option::ChangePassword, true);
    codeplug.settings.setText(Option::Password, "12345");  // the default is written
    return codeplug;
}

TEST(WriteCheck, CleanCodeplugHasNoProblem) {
    EXPECT_EQ(checkWritable(cleanCodeplug(kChinese), kChinese), std::vector<WriteProblem>{});
    EXPECT_EQ(checkWritable(cleanCodeplug(kEnglish), kEnglish), std::vector<WriteProblem>{});
    EXPECT_EQ(checkWritable(Codeplug{}, kChinese), std::vector<WriteProblem>{});
}

struct Where {
    int channel;
    std::string field;
    bool operator==(const Where&) const = default;
};

void PrintTo(const Where& where, std::ostream* out) {
    *out << where.channel << " " << where.field;
}

struct BadCase {
    const char* name;
    std::function<void(Codeplug&)> spoil;
    std::vector<Where> expected;
};

void setCell(Codeplug& codeplug, int channel, ChannelField field, const char* text) {
    codeplug.channels.row(channel)[field] = text;
}

TEST(WriteCheck, EachProblemIsFoundAndNothingElse) {
    using enum ChannelField;
    const BadCase cases[] = {
        {"RxFreq off the raster",
         [](Codeplug& c) { setCell(c, 12, RxFreq, "145.1234"); },
         {{12, "RxFreq"}}},
        {"TxFreq off the raster",
         [](Codeplug& c) { setCell(c, 12, TxFreq, "145.12512"); },
         {{12, "TxFreq"}}},
        {"TxFreq in another form",
         [](Codeplug& c) { setCell(c, 1, TxFreq, "145,12500"); },
         {{1, "TxFreq"}}},
        {"TxFreq empty", [](Codeplug& c) { setCell(c, 128, TxFreq, ""); }, {{128, "TxFreq"}}},
        {"RxTone of another language",
         [](Codeplug& c) { setCell(c, 1, RxTone, "OFF"); },
         {{1, "RxTone"}}},
        {"TxTone outside the list",
         [](Codeplug& c) { setCell(c, 12, TxTone, "67.5"); },
         {{12, "TxTone"}}},
        {"DCS code outside the list",
         [](Codeplug& c) { setCell(c, 12, RxTone, "D018N"); },
         {{12, "RxTone"}}},
        {"Alias too long", [](Codeplug& c) { setCell(c, 1, Alias, "ABCDEFG"); }, {{1, "Alias"}}},
        {"Alias the radio cannot show",
         [](Codeplug& c) { setCell(c, 1, Alias, "ab"); },
         {{1, "Alias"}}},
        {"Alias both",
         [](Codeplug& c) { setCell(c, 1, Alias, "ABCDEFGh"); },
         {{1, "Alias"}, {1, "Alias"}}},
        {"Power of another language",
         [](Codeplug& c) { setCell(c, 1, Power, "High"); },
         {{1, "Power"}}},
        {"Bandwidth", [](Codeplug& c) { setCell(c, 1, Bandwidth, "Wide"); }, {{1, "Bandwidth"}}},
        {"ScanAdd", [](Codeplug& c) { setCell(c, 1, ScanAdd, "ON"); }, {{1, "ScanAdd"}}},
        {"Dtmf holds a power word",
         [](Codeplug& c) { setCell(c, 1, Dtmf, "高功率"); },
         {{1, "Dtmf"}}},
        {"PttId", [](Codeplug& c) { setCell(c, 1, PttId, "x"); }, {{1, "PttId"}}},
        {"TailElim", [](Codeplug& c) { setCell(c, 1, TailElim, "OFF"); }, {{1, "TailElim"}}},
        {"Vox", [](Codeplug& c) { setCell(c, 1, Vox, "ON"); }, {{1, "Vox"}}},
        {"BusyLock", [](Codeplug& c) { setCell(c, 1, BusyLock, "启用 "); }, {{1, "BusyLock"}}},
        {"VoiceMode", [](Codeplug& c) { setCell(c, 1, VoiceMode, "Comp"); }, {{1, "VoiceMode"}}},
        {"BOT with a letter outside A-D",
         [](Codeplug& c) { c.settings.setText(Option::BOT, "12E45"); },
         {{0, "BOT"}}},
        {"EOT with 16 digits",
         [](Codeplug& c) { c.settings.setText(Option::EOT, "1234567890123456"); },
         {{0, "EOT"}}},
        {"Call3 in lower case",
         [](Codeplug& c) { c.settings.setText(Option::Call3, "12a"); },
         {{0, "Call3"}}},
        {"Private with a blank",
         [](Codeplug& c) { c.settings.setText(Option::Private, "1 0"); },
         {{0, "Private"}}},
        {"Stun Code with 9 digits",
         [](Codeplug& c) { c.settings.setText(Option::Stun_Code, "123456789"); },
         {{0, "Stun Code"}}},
        {"step beyond its items",
         [](Codeplug& c) { c.settings.setChoice(Option::step, 5); },
         {{0, "step"}}},
        {"APO negative", [](Codeplug& c) { c.settings.setChoice(Option::APO, -1); }, {{0, "APO"}}},
        {"SpareKeyAssignment beyond its items",
         [](Codeplug& c) { c.settings.setChoice(Option::SpareKeyAssignment, 3); },
         {{0, "SpareKeyAssignment"}}},
        {"Digit Time above its range",
         [](Codeplug& c) { c.settings.setNumber(Option::Digit_Time, 210); },
         {{0, "Digit Time"}}},
        {"Digit Time between two steps the radio keeps",
         [](Codeplug& c) { c.settings.setNumber(Option::Digit_Time, 105); },
         {{0, "Digit Time"}}},
        {"Auto Reset between two half seconds",
         [](Codeplug& c) { c.settings.setNumber(Option::Auto_Reset, 10.25); },
         {{0, "Auto Reset"}}},
        {"Auto Reset below its range",
         [](Codeplug& c) { c.settings.setNumber(Option::Auto_Reset, 2.5); },
         {{0, "Auto Reset"}}},
        {"Pretime not a number",
         [](Codeplug& c) { c.settings.setNumber(Option::Pretime, std::nan("")); },
         {{0, "Pretime"}}},
        {"Password of six characters that are not digits",
         [](Codeplug& c) { c.settings.setText(Option::Password, "12a456"); },
         {{0, "Password"}}},
        {"Password not written",
         [](Codeplug& c) {
             c.settings.setFlag(Option::ChangePassword, false);
             c.settings.setText(Option::Password, "12a456");
         },
         {}},
        {"channels in order, then options in order",
         [](Codeplug& c) {
             c.settings.setText(Option::BOT, "X");
             c.settings.setChoice(Option::APO, 16);
             setCell(c, 128, Alias, "abc");
             setCell(c, 12, Power, "Low");
             setCell(c, 12, RxFreq, "438.0062");
         },
         {{12, "RxFreq"}, {12, "Power"}, {128, "Alias"}, {0, "APO"}, {0, "BOT"}}},
    };
    for (const BadCase& c : cases) {
        Codeplug codeplug = cleanCodeplug(kChinese);
        c.spoil(codeplug);
        std::vector<Where> found;
        for (const WriteProblem& problem : checkWritable(codeplug, kChinese)) {
            found.push_back({problem.channel, problem.field});
            EXPECT_FALSE(problem.message.empty()) << c.name;
        }
        EXPECT_EQ(found, c.expected) << c.name;
    }
}

TEST(WriteCheck, MessagesSayWhatIsWrongAndWhatIsAllowed) {
    Codeplug codeplug = cleanCodeplug(kChinese);
    setCell(codeplug, 12, ChannelField::TxFreq, "145.1234");
    setCell(codeplug, 12, ChannelField::RxTone, "OFF");
    setCell(codeplug, 12, ChannelField::Power, "High");
    codeplug.settings.setNumber(Option::Digit_Time, 210);
    codeplug.settings.setText(Option::Stun_Code, "123456789");
    std::vector<std::string> messages;
    for (const WriteProblem& problem : checkWritable(codeplug, kChinese)) {
        messages.push_back(problem.toString());
    }
    EXPECT_EQ(messages,
              (std::vector<std::string>{
                  "CH012 RxTone: \"OFF\" is not in the tone list; use \"禁用\", a CTCSS tone 63.0 "
                  "to 254.1 or a DCS code D017N to D754N or D017I to D754I",
                  "CH012 TxFreq: \"145.1234\" is not a frequency on the 5 kHz or 6.25 kHz raster "
                  "(form 145.12500)",
                  "CH012 Power: \"High\" is not one of the current texts \"高功率\", \"低功率\" "
                  "(or empty)",
                  "Digit Time: 210 is outside the range; allowed are 50 to 200 in steps of 10",
                  "Stun Code: \"123456789\" has 9 digits; at most 8 fit",
              }));
}

}  // namespace
}  // namespace hm3300::codec

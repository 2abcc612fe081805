#pragma once
// The radio-wide options of a codeplug. Choices are item indexes, flags on/off, numbers
// plain values and codes texts; none of them depends on the user interface language.

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace hm3300::model {

// In the order of the codeplug file, then the options the file does not carry.
// Each enumerator is the option's file key with blanks and punctuation replaced.
enum class Option {
    APO,
    scankind,
    step,
    VFO_MR,
    MR_freq_MR_CH,
    Squelch,
    TOT,
    Monitor,
    Exp_Freq,
    Band,
    Beep,
    Key_Lock,
    Save,
    EMG,
    FM_Enable,
    VoxSQL,
    VoxDelay,
    VoxRX,
    Digit_Time,
    Digit_Space,
    First_Digit,
    Pretime,
    StarHashDelay,  // "*&#Delay"
    ACK_Decode,
    DTMF_Side,
    Display_PTT_ID,
    PTT_ID,
    BOT,
    EOT,
    Call0,
    Call1,
    Call2,
    Call3,
    Call4,
    Call5,
    Call6,
    Call7,
    Call8,
    Call9,
    Group,
    Private,
    Auto_Reset,
    Auto_ACK,
    DTMF_Beep,
    Strip,
    Stun,
    Stun_Code,
    Stun_Type,
    Key_Assignment,
    ChangePassword,
    Password,
    SpareKeyAssignment,
};

inline constexpr int kOptionCount = static_cast<int>(Option::SpareKeyAssignment) + 1;
inline constexpr int kCallListSize = 10;

enum class OptionKind { Choice, Flag, Number, Text };
// Characters a text option admits: DTMF digits "0-9 A-D * #", or decimal digits only.
enum class TextCharset { Dtmf, Digits };

// One option's key, kind, default and limits: the single table the file, the write check,
// the encoders and the option pages all take them from.
struct OptionDefinition {
    Option option;
    std::string_view key;  // the codeplug file key, e.g. "Key Lock"
    OptionKind kind;
    bool inFile;          // false for the options a codeplug file does not carry
    double defaultValue;  // choice index, flag 0/1 or number
    std::string_view defaultText;
    int itemCount = 0;                               // choices
    double minimum = 0, maximum = 0, increment = 0;  // numbers
    std::size_t maxLength = 0;                       // texts
    TextCharset charset = TextCharset::Dtmf;
    // Numbers: what one step of the radio's byte stands for (10 ms, half a second); the
    // radio keeps only whole multiples of it.
    double radioUnit = 0;
};

std::span<const OptionDefinition> allOptions();
const OptionDefinition& optionDefinition(Option option);
// `Call0` + i
Option callOption(int entry);

class RadioSettings {
public:
    RadioSettings();  // every option at its default

    int choice(Option option) const;
    void setChoice(Option option, int index);
    bool flag(Option option) const;
    void setFlag(Option option, bool on);
    double number(Option option) const;
    void setNumber(Option option, double value);
    const std::string& text(Option option) const;
    void setText(Option option, std::string text);

    bool operator==(const RadioSettings&) const = default;

private:
    std::array<double, kOptionCount> values_{};
    std::array<std::string, kOptionCount> texts_;
};

// The radio password is six decimal digits. A text of any other length stands for the
// default password, both when the operator leaves its field and when it is written to
// the radio.
inline constexpr std::string_view kDefaultPassword = "580417";
std::string effectivePassword(std::string_view text);
bool isRadioPassword(std::string_view text);

// New: every option back to its default, except SpareKeyAssignment.
void resetRadioSettings(RadioSettings& settings);

}  // namespace hm3300::model

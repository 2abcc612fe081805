#include "codec/tone_codec.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "model/tone_list.h"

namespace hm3300::codec {

namespace {

namespace ToneList = model::ToneList;

const HexText kOffField = "FF00";

struct Flags {
    const char* ctcss;
    const char* dcsNormal;
    const char* dcsInverted;
};
constexpr Flags kReceiveFlags{"82", "C4", "E4"};
constexpr Flags kTransmitFlags{"81", "C3", "E3"};

// The decimal number spelled by `digits`, or -1 when it is not one.
int decimalNumber(std::string_view digits) {
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return error == std::errc{} && end == digits.data() + digits.size() ? value : -1;
}

// The whole-hertz part of a CTCSS text: "67.0" -> 67.
int ctcssKey(std::string_view tone) {
    return decimalNumber(tone.substr(0, tone.find('.')));
}

// The code's position in its table as two hex digits, or empty when it is not there.
template <typename Keys>
std::string positionCode(const Keys& keys, int key) {
    const auto it = std::find(keys.begin(), keys.end(), key);
    if (it == keys.end()) {
        return {};
    }
    return hexByte(static_cast<unsigned>(it - keys.begin() + 1));
}

bool isBlankOrControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte <= 0x20 || byte == 0x7F;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlankOrControl(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlankOrControl(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Only the visible text decides the field. A number missing from its table (a text outside
// the tone list, refused by the write check) gives the off field.
HexText encodeTone(std::string_view toneText, const std::string& offText, const Flags& flags) {
    const std::string_view tone = trimmed(toneText);
    if (tone.empty() || tone == offText) {
        return kOffField;
    }
    std::string code;
    const char* flag = flags.ctcss;
    if (tone.back() == 'I' || tone.back() == 'N') {
        code = encodeDcs(decimalNumber(tone.substr(1, 3)));
        flag = tone.back() == 'I' ? flags.dcsInverted : flags.dcsNormal;
    } else {
        code = encodeCtcss(decimalNumber(tone.substr(0, tone.size() == 5 ? 3 : 2)));
    }
    return code.empty() ? kOffField : code + flag;
}

// The tone list index a field stands for, or -1 when the flag is unknown or the index lies
// beyond the list.
int toneIndex(std::string_view field) {
    const HexText h = normalizedField(field, 4);
    const int code = byteAt(h, 0);
    int index = -1;
    switch (hexValue(h[2])) {
        case 0x0:
        case 0xF:
            index = 0;
            break;
        case 0x8:
            index = code;
            break;
        case 0xC:
            index = code + ToneList::kFirstDcsNormal - 1;
            break;
        case 0xE:
            index = code + ToneList::kFirstDcsInverted - 1;
            break;
        default:
            break;
    }
    return index < ToneList::kSize ? index : -1;
}

}  // namespace

std::string encodeCtcss(int key) {
    static const std::vector<int> keys = [] {
        std::vector<int> wholeHertz;
        for (std::string_view tone : ToneList::ctcssTones()) {
            wholeHertz.push_back(ctcssKey(tone));
        }
        return wholeHertz;
    }();
    return positionCode(keys, key);
}

std::string encodeDcs(int key) {
    return positionCode(ToneList::dcsCodes(), key);
}

bool isEncodableTone(std::string_view toneText, const std::string& offText) {
    const std::string_view tone = trimmed(toneText);
    return tone.empty() || ToneList::indexOf(tone, offText) >= 0;
}

HexText encodeRxTone(std::string_view toneText, const std::string& offText) {
    return encodeTone(toneText, offText, kReceiveFlags);
}

HexText encodeTxTone(std::string_view toneText, const std::string& offText) {
    return encodeTone(toneText, offText, kTransmitFlags);
}

void decodeTone(int which, model::Channel& channel, std::string_view field,
                const std::string& offText) {
    const bool receive = which == 2;
    const int index = toneIndex(field);
    if (index >= 0) {
        channel[receive ? model::ChannelField::RxTone : model::ChannelField::TxTone] =
            ToneList::text(index, offText);
    }
    channel[receive ? model::ChannelField::RxCode : model::ChannelField::TxCode] =
        std::to_string(std::max(index, 0));
}

}  // namespace hm3300::codec

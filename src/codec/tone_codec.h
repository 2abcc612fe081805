#pragma once
// Tone field of a channel slot: a code byte (the CTCSS or DCS position, FF when off) and a
// flag byte telling CTCSS, DCS normal or DCS inverted apart; receive and transmit fields
// differ only in the flag.

#include <string>
#include <string_view>

#include "codec/hex_text.h"
#include "model/channel.h"

namespace hm3300::codec {

// Whole-hertz part of a CTCSS tone (63 ... 254) to its code "01" ... "33"; empty if unknown.
std::string encodeCtcss(int key);
// DCS code digits as a decimal number (17 ... 754) to its code "01" ... "6B"; empty if unknown.
std::string encodeDcs(int key);

// True when the encoders write the text as the tone it names: empty or blank (no tone),
// `offText` or a tone list entry, blanks and control characters around it ignored.
bool isEncodableTone(std::string_view toneText, const std::string& offText);

// A tone text to the 4 characters of the field. Texts that are not encodable (refused by the
// write check) still give 4 characters, but no defined tone.
HexText encodeRxTone(std::string_view toneText, const std::string& offText);
HexText encodeTxTone(std::string_view toneText, const std::string& offText);

// Decodes a 4-character field into the channel: `which` 2 sets RxTone and RxCode, any other
// value TxTone and TxCode. An unknown flag, or a code beyond the tone list, leaves the tone
// text as it was and sets the code 0.
void decodeTone(int which, model::Channel& channel, std::string_view field,
                const std::string& offText);

}  // namespace hm3300::codec

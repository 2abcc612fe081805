#include "codec/frequency_codec.h"

#include <charconv>
#include <string>

namespace hm3300::codec {

namespace {

constexpr std::size_t kTextLength = 9;  // "145.12500"
constexpr std::size_t kPointPosition = 3;
constexpr std::size_t kFieldLength = 8;
constexpr int kFiveKilohertz = 500;  // in 10 Hz
constexpr int kSixPointTwoFiveKilohertz = 625;

bool isDecimal(char c) {
    return c >= '0' && c <= '9';
}

// Characters a valid text cannot have there read as "0", so any text gives a hex field.
char digitAt(std::string_view text, std::size_t position) {
    return position < text.size() && isDecimal(text[position]) ? text[position] : '0';
}

// Characters 8-9 give the part below 1 kHz in 10 Hz; the field holds it in 62.5 Hz units,
// rounded to the nearest: exact for the raster tails 00, 25, 50 and 75.
unsigned subKilohertzCode(std::string_view text) {
    const unsigned tail =
        static_cast<unsigned>((digitAt(text, 7) - '0') * 10 + digitAt(text, 8) - '0');
    return (tail * 4 + 12) / 25;
}

}  // namespace

bool isRasterFrequency(std::string_view text) {
    if (text.size() != kTextLength || text[kPointPosition] != '.') {
        return false;
    }
    for (std::size_t i = 0; i < kTextLength; ++i) {
        if (i != kPointPosition && !isDecimal(text[i])) {
            return false;
        }
    }
    // The fraction in 10 Hz units; a whole MHz is on both rasters.
    const int fraction = std::stoi(std::string(text.substr(kPointPosition + 1)));
    return fraction % kFiveKilohertz == 0 || fraction % kSixPointTwoFiveKilohertz == 0;
}

std::optional<double> frequencyMHz(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

HexText encodeFrequency(std::string_view text) {
    if (text.empty()) {
        return HexText(kFieldLength, 'F');
    }
    HexText field;
    for (std::size_t position : {0, 1, 2, 4, 5, 6}) {
        field += digitAt(text, position);
    }
    return field + hexByte(subKilohertzCode(text));
}

std::string decodeFrequency(std::string_view field) {
    const HexText h = normalizedField(field, kFieldLength);
    if (h.starts_with("FF")) {
        return {};
    }
    // At least two digits: the codes 0x00, 0x04, 0x08, 0x0C give 00, 25, 50, 75.
    std::string tail = std::to_string(byteAt(h, 6) * 25 / 4);
    if (tail.size() < 2) {
        tail.insert(0, "0");
    }
    return h.substr(0, 3) + "." + h.substr(3, 3) + tail;
}

}  // namespace hm3300::codec

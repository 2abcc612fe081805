#include "csv/csv_values.h"

#include <charconv>

namespace hm3300::csv {

namespace {

constexpr std::int64_t kHertzPerMegahertz = 1000000;
constexpr std::size_t kDecimals = 6;
// More MHz digits than any radio needs; keeps the count far from overflowing.
constexpr std::size_t kMaxWholeDigits = 6;

char lowerCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool allDigits(std::string_view text) {
    return text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool sameWord(std::string_view text, std::string_view word) {
    text = trimmed(text);
    if (text.size() != word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (lowerCase(text[i]) != lowerCase(word[i])) {
            return false;
        }
    }
    return true;
}

std::string megahertzText(std::int64_t hertz) {
    if (hertz < 0) {
        return "-" + megahertzText(-hertz);
    }
    const std::string fraction = std::to_string(kHertzPerMegahertz + hertz % kHertzPerMegahertz);
    return std::to_string(hertz / kHertzPerMegahertz) + "." + fraction.substr(1);
}

std::optional<std::int64_t> hertzOf(std::string_view megahertz) {
    const std::size_t point = megahertz.find('.');
    const std::string_view whole = megahertz.substr(0, point);
    std::string fraction(point == std::string_view::npos ? std::string_view{}
                                                         : megahertz.substr(point + 1));
    if (whole.empty() || whole.size() > kMaxWholeDigits || !allDigits(whole) ||
        !allDigits(fraction)) {
        return std::nullopt;
    }
    fraction.resize(kDecimals, '0');
    std::int64_t wholePart = 0;
    std::int64_t fractionPart = 0;
    std::from_chars(whole.data(), whole.data() + whole.size(), wholePart);
    std::from_chars(fraction.data(), fraction.data() + fraction.size(), fractionPart);
    return wholePart * kHertzPerMegahertz + fractionPart;
}

}  // namespace hm3300::csv

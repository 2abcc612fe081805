#include "vradio/faults.h"

#include <charconv>

namespace hm3300::vradio {

namespace {

template <typename Number>
std::optional<Number> parseNumber(std::string_view text, int base) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

bool takeOne(int& remaining) {
    if (remaining <= 0) {
        return false;
    }
    --remaining;
    return true;
}

bool takeOne(AddressCounts& counts, std::uint16_t address) {
    const auto found = counts.find(address);
    return found != counts.end() && takeOne(found->second);
}

std::optional<int> parseCount(std::string_view text) {
    // from_chars accepts a leading minus sign; a count never has one.
    if (text.starts_with('-')) {
        return std::nullopt;
    }
    return parseNumber<int>(text, 10);
}

std::optional<std::uint16_t> parseAddress(std::string_view text) {
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
    }
    return parseNumber<std::uint16_t>(text, 16);
}

std::optional<std::pair<std::uint16_t, int>> parseAddressCount(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    const auto address = parseAddress(text.substr(0, colon));
    const auto count = parseCount(text.substr(colon + 1));
    if (!address || !count) {
        return std::nullopt;
    }
    return std::pair{*address, *count};
}

}  // namespace hm3300::vradio

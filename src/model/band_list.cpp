#include "model/band_list.h"

#include <algorithm>
#include <charconv>

namespace hm3300::model {

namespace {

std::optional<int> threeDigits(std::string_view text) {
    if (text.size() != 3 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

std::string_view bandListName(BandListId id) {
    switch (id) {
        case BandListId::BAND_Rx:
            return "BAND_Rx";
        case BandListId::BAND_Tx:
            return "BAND_Tx";
        case BandListId::BAND_Rx1:
            return "BAND_Rx1";
        case BandListId::BAND_Tx1:
            return "BAND_Tx1";
    }
    return {};
}

std::string BandList::selectedText() const {
    if (selected < 0 || selected >= static_cast<int>(entries.size())) {
        return {};
    }
    return entries[static_cast<std::size_t>(selected)];
}

void selectOrAddBand(BandList& list, const std::string& text) {
    const auto it = std::find(list.entries.begin(), list.entries.end(), text);
    if (it != list.entries.end()) {
        list.selected = static_cast<int>(it - list.entries.begin());
        return;
    }
    list.entries.push_back(text);
    list.selected = static_cast<int>(list.entries.size()) - 1;
}

std::optional<BandRange> parseBandRange(std::string_view text) {
    if (text.size() < 7) {
        return std::nullopt;
    }
    const auto lower = threeDigits(text.substr(0, 3));
    const auto upper = threeDigits(text.substr(4, 3));
    if (!lower || !upper) {
        return std::nullopt;
    }
    return BandRange{*lower, *upper};
}

}  // namespace hm3300::model

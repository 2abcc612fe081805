#pragma once
// The four band lists of the workstation: the receive and transmit ranges of band 1 and
// band 2, each a list of texts such as "400-470MHz" with one selected entry.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hm3300::model {

enum class BandListId { BAND_Rx, BAND_Tx, BAND_Rx1, BAND_Tx1 };
inline constexpr std::array<BandListId, 4> kBandListIds{BandListId::BAND_Rx, BandListId::BAND_Tx,
                                                        BandListId::BAND_Rx1, BandListId::BAND_Tx1};
std::string_view bandListName(BandListId id);  // "BAND_Rx" ...

struct BandList {
    std::vector<std::string> entries;
    int selected = -1;  // -1: nothing selected

    // The selected entry, empty when nothing is selected.
    std::string selectedText() const;
    bool operator==(const BandList&) const = default;
};

// Selects the first entry equal to `text`, or appends `text` and selects it.
void selectOrAddBand(BandList& list, const std::string& text);

struct BandLists {
    std::array<BandList, 4> lists;

    BandList& operator[](BandListId id) { return lists[static_cast<std::size_t>(id)]; }
    const BandList& operator[](BandListId id) const { return lists[static_cast<std::size_t>(id)]; }
    bool operator==(const BandLists&) const = default;
};

// Limits in whole MHz read from characters 1-3 and 5-7 of a band text ("400-470MHz").
struct BandRange {
    int lower = 0;
    int upper = 0;
};
std::optional<BandRange> parseBandRange(std::string_view text);

}  // namespace hm3300::model

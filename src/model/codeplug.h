#pragma once
// The document: everything a radio holds, plus the band lists it is edited against.

#include "model/band_list.h"
#include "model/channel_table.h"
#include "model/radio_settings.h"

namespace hm3300::model {

struct Codeplug {
    ChannelTable channels;
    RadioSettings settings;
    BandLists bands;

    bool operator==(const Codeplug&) const = default;
};

// The receive range of the active band: `Band` index 1 is band 1 (BAND_Rx), 0 band 2
// (BAND_Rx1). Frequencies are edited and the start channel is chosen against it.
const BandList& activeReceiveBand(const Codeplug& codeplug);

}  // namespace hm3300::model

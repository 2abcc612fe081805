#pragma once
// A channel's receive and transmit tones in the tone columns of a row. Tone says which
// columns count: "" no tones, "Tone" a transmit CTCSS tone (rToneFreq), "TSQL" one CTCSS
// tone both ways (cToneFreq), "DTCS" one DCS code both ways (DtcsCode), "Cross" the pair
// that CrossMode names, transmit before the arrow and receive after it: a transmit tone in
// rToneFreq or DtcsCode, a receive tone in cToneFreq or RxDtcsCode. DtcsPolarity holds the
// transmit and the receive polarity, N normal and R reversed (our "I").

#include <optional>
#include <string>

#include "csv/channel_columns.h"
#include "model/message.h"

namespace hm3300::csv {

// Tone list indexes: 0 no tone, 1-51 CTCSS, 52-158 DCS normal, 159-265 DCS inverted.
struct ChannelTones {
    int rx = 0;
    int tx = 0;
    bool operator==(const ChannelTones&) const = default;
};

// Writes the seven tone columns of `row`. The columns the mode leaves unused hold the
// neutral values such files carry: 88.5 Hz, code 023, polarity NN, Tone->Tone.
void writeToneColumns(ChannelTones tones, ColumnValues& row);

// The tones the tone columns of `row` name; only the columns the mode uses are read. When
// they name no tone of the tone list, nothing, with `reason` saying why.
std::optional<ChannelTones> readToneColumns(const ColumnValues& row, model::Message& reason);

}  // namespace hm3300::csv

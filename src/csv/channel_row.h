#pragma once
// One CSV row read into what it sets of a channel, checked in full before anything is set,
// so that a row that cannot be represented changes nothing.

#include <bitset>
#include <optional>
#include <string>

#include "csv/channel_columns.h"
#include "csv/csv_tones.h"
#include "editor/frequency_normalization.h"
#include "model/channel.h"
#include "model/message.h"
#include "model/value_texts.h"

namespace hm3300::csv {

// What the rows are read against: the band and step being edited, and the columns the
// header has. A column it lacks is not carried.
struct RowRules {
    editor::EditingRaster raster;
    std::string bandText;  // "400-470MHz", for messages
    std::bitset<kColumnCount> carried;
};

// The values a row sets; those it does not carry are empty.
struct ChannelUpdate {
    std::string rxFreq;
    std::optional<std::string> txFreq;
    std::optional<ChannelTones> tones;
    std::optional<model::ValueKind> bandwidth;
    std::optional<model::ValueKind> scanAdd;
    std::optional<model::ValueKind> power;
    std::optional<std::string> alias;
    // Set when the name was cut to fit: what became of it.
    model::Message nameCut;
};

// The update `row` describes, or nothing with `problem` saying why it cannot be
// represented.
std::optional<ChannelUpdate> readChannelRow(const ColumnValues& row, const RowRules& rules,
                                            model::Message& problem);

// Sets `channel` to `update`. A channel without a receive frequency, or one still waiting
// for its defaults, first gets the grid's new-channel defaults.
void applyChannelUpdate(const ChannelUpdate& update, model::Channel& channel,
                        const model::ValueTexts& texts);

}  // namespace hm3300::csv

#include <cstdlib>

#include "csv/channel_columns.h"
#include "csv/channel_csv.h"
#include "csv/csv_records.h"
#include "csv/csv_tones.h"
#include "csv/csv_values.h"
#include "editor/frequency_normalization.h"
#include "model/tone_list.h"

namespace hm3300::csv {

namespace {

using model::ChannelField;

// The channel step in kHz with two decimals: "6.25", "25.00".
std::string stepText(int stepIndex) {
    const editor::FrequencyUnits hundredthsOfKilohertz = editor::channelStep(stepIndex);
    const std::string hundredths = std::to_string(100 + hundredthsOfKilohertz % 100);
    return std::to_string(hundredthsOfKilohertz / 100) + "." + hundredths.substr(1);
}

// A frequency text that is no number travels as it is, so that the import names it.
void writeFrequencies(const model::Channel& channel, ColumnValues& row) {
    const std::string& rx = channel[ChannelField::RxFreq];
    const std::string& tx = channel[ChannelField::TxFreq];
    const auto rxHertz = hertzOf(rx);
    const auto txHertz = hertzOf(tx);
    row[Column::Frequency] = rxHertz ? megahertzText(*rxHertz) : rx;
    row[Column::Offset] = megahertzText(0);
    if (rxHertz && txHertz) {
        if (*txHertz != *rxHertz) {
            row[Column::Duplex] = *txHertz > *rxHertz ? "+" : "-";
            row[Column::Offset] = megahertzText(std::abs(*txHertz - *rxHertz));
        }
    } else if (tx != rx) {
        row[Column::Duplex] = "split";
        row[Column::Offset] = txHertz ? megahertzText(*txHertz) : tx;
    }
}

// A text the tone list lacks reaches the radio as no defined tone (the write check refuses
// it); here it counts as no tone.
int toneIndex(const std::string& tone, const model::ValueTexts& texts) {
    const int index = model::ToneList::indexOf(trimmed(tone), texts.OffText);
    return index < 0 ? 0 : index;
}

// Power, bandwidth and scan as the radio is written: only the high, wide and off words
// count as such.
ColumnValues channelRow(int number, const model::Channel& channel, const model::ValueTexts& texts,
                        const std::string& step) {
    ColumnValues row;
    row[Column::Location] = std::to_string(number);
    row[Column::Name] = channel[ChannelField::Alias];
    writeFrequencies(channel, row);
    writeToneColumns({toneIndex(channel[ChannelField::RxTone], texts),
                      toneIndex(channel[ChannelField::TxTone], texts)},
                     row);
    row[Column::Mode] = channel[ChannelField::Bandwidth] == texts.WideText ? "FM" : "NFM";
    row[Column::TStep] = step;
    row[Column::Skip] = channel[ChannelField::ScanAdd] == texts.OffText ? "S" : "";
    row[Column::Power] = channel[ChannelField::Power] == texts.HighText ? "High" : "Low";
    return row;
}

}  // namespace

std::string exportChannelsCsv(const model::Codeplug& codeplug, const model::ValueTexts& texts) {
    ColumnValues header;
    for (std::size_t i = 0; i < kColumnCount; ++i) {
        header[static_cast<Column>(i)] = columnName(static_cast<Column>(i));
    }
    std::string text = csvRecordLine(header.all());
    const std::string step = stepText(codeplug.settings.choice(model::Option::step));
    for (int number = 1; number <= model::ChannelTable::kRows; ++number) {
        const model::Channel& channel = codeplug.channels.row(number);
        if (channel.exists()) {
            text += csvRecordLine(channelRow(number, channel, texts, step).all());
        }
    }
    return text;
}

}  // namespace hm3300::csv

#include "csv/channel_row.h"

#include <algorithm>
#include <cctype>

#include "csv/csv_values.h"
#include "editor/cell_key_filters.h"
#include "file/utf8_text.h"
#include "model/quoted_text.h"
#include "model/text_ids.h"
#include "model/tone_list.h"

namespace hm3300::csv {

namespace {

namespace TextId = model::TextId;
using model::ChannelField;
using model::Message;
using model::ValueKind;

// Hertz in one unit of the editor's frequencies.
constexpr std::int64_t kHertzPerUnit = 10;

// The receive or the transmit frequency: which of the two a problem names.
enum class Direction { Receive, Transmit };

Message outsideBand(Direction direction, std::int64_t hertz, const RowRules& rules) {
    return {
        direction == Direction::Receive ? TextId::ReceiveOutsideBand : TextId::TransmitOutsideBand,
        {megahertzText(hertz), rules.bandText}};
}

Message notMegahertz(const ColumnValues& row, Column column) {
    return {TextId::NotMegahertz, {columnValue(row, column)}};
}

// The frequency on the raster, when it lies in the band.
std::optional<std::string> normalized(editor::Frequency frequency, Direction direction,
                                      const RowRules& rules, Message& problem) {
    if (!editor::withinBand(frequency, rules.raster.band)) {
        problem = outsideBand(direction, frequency.units * kHertzPerUnit, rules);
        return std::nullopt;
    }
    return editor::normalizedFrequency(frequency, rules.raster.band, rules.raster.step);
}

std::optional<editor::Frequency> frequencyIn(const ColumnValues& row, Column column,
                                             Message& problem) {
    const auto frequency = editor::parseFrequency(trimmed(row[column]));
    if (!frequency) {
        problem = notMegahertz(row, column);
    }
    return frequency;
}

// Frequency plus or minus Offset, worked out to the hertz and then taken as if typed: the
// editor reads only whole 100 Hz, and an offset cut to them would move the sum onto another
// raster point.
std::optional<editor::Frequency> offsetFrequency(const ColumnValues& row, bool plus,
                                                 const RowRules& rules, Message& problem) {
    const auto rx = hertzOf(trimmed(row[Column::Frequency]));
    const auto offset = hertzOf(trimmed(row[Column::Offset]));
    if (!rx || !offset) {
        problem = notMegahertz(row, rx ? Column::Offset : Column::Frequency);
        return std::nullopt;
    }
    const std::int64_t tx = *rx + (plus ? *offset : -*offset);
    if (tx < 0) {
        problem = outsideBand(Direction::Transmit, tx, rules);
        return std::nullopt;
    }
    return editor::parseFrequency(megahertzText(tx));
}

std::optional<editor::Frequency> transmitFrequency(const ColumnValues& row, editor::Frequency rx,
                                                   const RowRules& rules, Message& problem) {
    const std::string& duplex = row[Column::Duplex];
    if (trimmed(duplex).empty()) {
        return rx;
    }
    if (sameWord(duplex, "off")) {
        problem = Message(TextId::TransmitOff);
        return std::nullopt;
    }
    if (sameWord(duplex, "split")) {
        return frequencyIn(row, Column::Offset, problem);
    }
    if (sameWord(duplex, "+") || sameWord(duplex, "-")) {
        return offsetFrequency(row, sameWord(duplex, "+"), rules, problem);
    }
    problem = {TextId::NotADuplex, {columnValue(row, Column::Duplex)}};
    return std::nullopt;
}

std::optional<ValueKind> bandwidthOf(const ColumnValues& row, Message& problem) {
    if (sameWord(row[Column::Mode], "FM")) {
        return ValueKind::Wide;
    }
    if (sameWord(row[Column::Mode], "NFM")) {
        return ValueKind::Narrow;
    }
    problem = {TextId::NotAMode, {columnValue(row, Column::Mode)}};
    return std::nullopt;
}

std::optional<ValueKind> scanAddOf(const ColumnValues& row, Message& problem) {
    if (trimmed(row[Column::Skip]).empty()) {
        return ValueKind::On;
    }
    if (sameWord(row[Column::Skip], "S")) {
        return ValueKind::Off;
    }
    problem = {TextId::NotASkip, {columnValue(row, Column::Skip)}};
    return std::nullopt;
}

// A wattage such as "0.5W", "1.5 W" or "1" below 2 W: whole watts of 0 or 1.
bool isLowWattage(std::string_view text) {
    text = trimmed(text);
    if (text.ends_with('W') || text.ends_with('w')) {
        text = trimmed(text.substr(0, text.size() - 1));
    }
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    constexpr std::string_view kDigits = "0123456789";
    if ((whole.empty() && fraction.empty()) ||
        whole.find_first_not_of(kDigits) != std::string_view::npos ||
        fraction.find_first_not_of(kDigits) != std::string_view::npos) {
        return false;
    }
    const std::string_view watts =
        whole.substr(std::min(whole.find_first_not_of('0'), whole.size()));
    return watts.empty() || watts == "1";
}

ValueKind powerOf(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("low") != std::string::npos || isLowWattage(text) ? ValueKind::Low
                                                                        : ValueKind::High;
}

bool readName(const ColumnValues& row, ChannelUpdate& update, Message& problem) {
    const std::string& name = row[Column::Name];
    if (file::invalidUtf8At(name) != std::string_view::npos) {
        problem = Message(TextId::NameNotUtf8);
        return false;
    }
    update.alias = editor::filterAlias(name);
    if (const std::string kept = editor::aliasCharacters(name); kept != *update.alias) {
        update.nameCut = {TextId::NameCut,
                          {columnValue(row, Column::Name), model::quotedText(*update.alias)}};
    }
    return true;
}

}  // namespace

std::optional<ChannelUpdate> readChannelRow(const ColumnValues& row, const RowRules& rules,
                                            Message& problem) {
    const auto carries = [&rules](Column column) {
        return rules.carried.test(static_cast<std::size_t>(column));
    };
    ChannelUpdate update;
    const auto rx = frequencyIn(row, Column::Frequency, problem);
    if (!rx) {
        return std::nullopt;
    }
    auto rxText = normalized(*rx, Direction::Receive, rules, problem);
    if (!rxText) {
        return std::nullopt;
    }
    update.rxFreq = std::move(*rxText);
    if (carries(Column::Duplex)) {
        const auto tx = transmitFrequency(row, *rx, rules, problem);
        if (!tx || !(update.txFreq = normalized(*tx, Direction::Transmit, rules, problem))) {
            return std::nullopt;
        }
    }
    if (carries(Column::Tone) && !(update.tones = readToneColumns(row, problem))) {
        return std::nullopt;
    }
    if (carries(Column::Mode) && !(update.bandwidth = bandwidthOf(row, problem))) {
        return std::nullopt;
    }
    if (carries(Column::Skip) && !(update.scanAdd = scanAddOf(row, problem))) {
        return std::nullopt;
    }
    if (carries(Column::Power)) {
        update.power = powerOf(row[Column::Power]);
    }
    if (carries(Column::Name) && !readName(row, update, problem)) {
        return std::nullopt;
    }
    return update;
}

void applyChannelUpdate(const ChannelUpdate& update, model::Channel& channel,
                        const model::ValueTexts& texts) {
    const bool fresh = !channel.exists() || channel[ChannelField::RxTone].empty();
    channel[ChannelField::RxFreq] = update.rxFreq;
    if (fresh) {
        channel.fillNewChannelDefaults(texts);
    }
    if (update.txFreq) {
        channel[ChannelField::TxFreq] = *update.txFreq;
    }
    if (update.tones) {
        channel[ChannelField::RxTone] = model::ToneList::text(update.tones->rx, texts.OffText);
        channel[ChannelField::RxCode] = std::to_string(update.tones->rx);
        channel[ChannelField::TxTone] = model::ToneList::text(update.tones->tx, texts.OffText);
        channel[ChannelField::TxCode] = std::to_string(update.tones->tx);
    }
    const auto setWord = [&](ChannelField field, const std::optional<ValueKind>& kind) {
        if (kind) {
            channel[field] = texts.text(*kind);
        }
    };
    setWord(ChannelField::Bandwidth, update.bandwidth);
    setWord(ChannelField::ScanAdd, update.scanAdd);
    setWord(ChannelField::Power, update.power);
    if (update.alias) {
        channel[ChannelField::Alias] = *update.alias;
    }
}

}  // namespace hm3300::csv

#include "csv/csv_tones.h"

#include <array>
#include <charconv>
#include <cstdio>

#include "csv/csv_values.h"
#include "model/text_ids.h"
#include "model/tone_list.h"

namespace hm3300::csv {

namespace {

namespace TextId = model::TextId;
namespace ToneList = model::ToneList;
using model::Message;

enum class ToneKind { None, Ctcss, Dcs };

struct CrossMode {
    std::string_view text;
    ToneKind tx;
    ToneKind rx;
};

constexpr std::array<CrossMode, 7> kCrossModes{{
    {"Tone->Tone", ToneKind::Ctcss, ToneKind::Ctcss},
    {"Tone->DTCS", ToneKind::Ctcss, ToneKind::Dcs},
    {"DTCS->Tone", ToneKind::Dcs, ToneKind::Ctcss},
    {"->Tone", ToneKind::None, ToneKind::Ctcss},
    {"->DTCS", ToneKind::None, ToneKind::Dcs},
    {"DTCS->", ToneKind::Dcs, ToneKind::None},
    {"DTCS->DTCS", ToneKind::Dcs, ToneKind::Dcs},
}};

constexpr std::string_view kNeutralCtcss = "88.5";
constexpr std::string_view kNeutralDcs = "023";
constexpr std::string_view kNeutralPolarity = "NN";

// Where a tone of one direction is written: its value column and its letter of
// DtcsPolarity (0 transmit, 1 receive).
struct ToneSide {
    ToneKind kind = ToneKind::None;
    Column value = Column::rToneFreq;
    std::size_t polarityLetter = 0;
};

ToneKind kindOf(int index) {
    if (index <= 0 || index >= ToneList::kSize) {
        return ToneKind::None;
    }
    return index < ToneList::kFirstDcsNormal ? ToneKind::Ctcss : ToneKind::Dcs;
}

bool isInverted(int index) {
    return index >= ToneList::kFirstDcsInverted;
}

// The position of a DCS entry among the 107 codes, the same for both polarities.
int dcsPosition(int index) {
    return index - (isInverted(index) ? ToneList::kFirstDcsInverted : ToneList::kFirstDcsNormal);
}

std::string dcsDigits(int index) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%03d",
                  ToneList::dcsCodes()[static_cast<std::size_t>(dcsPosition(index))]);
    return digits;
}

// The side of a crossed pair: a transmit tone in rToneFreq or DtcsCode, a receive tone in
// cToneFreq or RxDtcsCode.
ToneSide transmitSide(ToneKind kind) {
    return {kind, kind == ToneKind::Dcs ? Column::DtcsCode : Column::rToneFreq, 0};
}
ToneSide receiveSide(ToneKind kind) {
    return {kind, kind == ToneKind::Dcs ? Column::RxDtcsCode : Column::cToneFreq, 1};
}

void writeTone(int index, const ToneSide& side, ColumnValues& row) {
    if (side.kind == ToneKind::Ctcss) {
        row[side.value] = ToneList::text(index, {});
    } else if (side.kind == ToneKind::Dcs) {
        row[side.value] = dcsDigits(index);
        row[Column::DtcsPolarity][side.polarityLetter] = isInverted(index) ? 'R' : 'N';
    }
}

// A CTCSS tone in tenths of a hertz: "88.5" and "88.50" are 885.
std::optional<int> tenthsOf(std::string_view text) {
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    int hertz = 0;
    const auto [end, error] = std::from_chars(whole.data(), whole.data() + whole.size(), hertz);
    if (whole.empty() || whole.size() > 4 || error != std::errc{} ||
        end != whole.data() + whole.size() ||
        fraction.find_first_not_of("0123456789") != std::string_view::npos ||
        fraction.find_first_not_of('0', 1) != std::string_view::npos) {
        return std::nullopt;
    }
    return hertz * 10 + (fraction.empty() ? 0 : fraction[0] - '0');
}

int ctcssIndex(std::string_view text) {
    const auto tenths = tenthsOf(trimmed(text));
    const auto tones = ToneList::ctcssTones();
    for (std::size_t i = 0; tenths && i < tones.size(); ++i) {
        if (tenthsOf(tones[i]) == tenths) {
            return 1 + static_cast<int>(i);
        }
    }
    return -1;
}

int dcsIndex(std::string_view text, bool inverted) {
    text = trimmed(text);
    int code = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), code);
    if (text.empty() || text.size() > 4 || error != std::errc{} ||
        end != text.data() + text.size()) {
        return -1;
    }
    const auto codes = ToneList::dcsCodes();
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (codes[i] == code) {
            return (inverted ? ToneList::kFirstDcsInverted : ToneList::kFirstDcsNormal) +
                   static_cast<int>(i);
        }
    }
    return -1;
}

// The tone list index `side` names in `row`.
std::optional<int> readTone(const ToneSide& side, const ColumnValues& row, Message& reason) {
    if (side.kind == ToneKind::None) {
        return 0;
    }
    if (side.kind == ToneKind::Ctcss) {
        const int index = ctcssIndex(row[side.value]);
        if (index < 0) {
            reason = {TextId::NotACtcssTone, {columnValue(row, side.value)}};
            return std::nullopt;
        }
        return index;
    }
    const std::string_view polarity = trimmed(row[Column::DtcsPolarity]);
    const auto isPolarity = [](char c) { return c == 'N' || c == 'n' || c == 'R' || c == 'r'; };
    if (polarity.size() != 2 || !isPolarity(polarity[0]) || !isPolarity(polarity[1])) {
        reason = {TextId::NotAPolarity, {columnValue(row, Column::DtcsPolarity)}};
        return std::nullopt;
    }
    const char mark = polarity[side.polarityLetter];
    const int index = dcsIndex(row[side.value], mark == 'R' || mark == 'r');
    if (index < 0) {
        reason = {TextId::NotADcsCode, {columnValue(row, side.value)}};
        return std::nullopt;
    }
    return index;
}

const CrossMode* crossModeNamed(std::string_view text) {
    for (const CrossMode& mode : kCrossModes) {
        if (sameWord(text, mode.text)) {
            return &mode;
        }
    }
    return nullptr;
}

const CrossMode& crossModeOf(ToneKind tx, ToneKind rx) {
    for (const CrossMode& mode : kCrossModes) {
        if (mode.tx == tx && mode.rx == rx) {
            return mode;
        }
    }
    return kCrossModes.front();
}

}  // namespace

void writeToneColumns(ChannelTones tones, ColumnValues& row) {
    row[Column::Tone].clear();
    row[Column::rToneFreq] = kNeutralCtcss;
    row[Column::cToneFreq] = kNeutralCtcss;
    row[Column::DtcsCode] = kNeutralDcs;
    row[Column::DtcsPolarity] = kNeutralPolarity;
    row[Column::RxDtcsCode] = kNeutralDcs;
    row[Column::CrossMode] = kCrossModes.front().text;
    const ToneKind rx = kindOf(tones.rx);
    const ToneKind tx = kindOf(tones.tx);
    if (rx == ToneKind::None && tx == ToneKind::None) {
        return;
    }
    if (rx == ToneKind::None && tx == ToneKind::Ctcss) {
        row[Column::Tone] = "Tone";
        writeTone(tones.tx, transmitSide(tx), row);
    } else if (rx == ToneKind::Ctcss && tones.tx == tones.rx) {
        row[Column::Tone] = "TSQL";
        writeTone(tones.rx, receiveSide(rx), row);
    } else if (rx == ToneKind::Dcs && tx == ToneKind::Dcs &&
               dcsPosition(tones.rx) == dcsPosition(tones.tx)) {
        // One code both ways; the polarity letters may differ.
        row[Column::Tone] = "DTCS";
        writeTone(tones.tx, transmitSide(tx), row);
        writeTone(tones.rx, {rx, Column::DtcsCode, 1}, row);
    } else {
        row[Column::Tone] = "Cross";
        row[Column::CrossMode] = crossModeOf(tx, rx).text;
        writeTone(tones.tx, transmitSide(tx), row);
        writeTone(tones.rx, receiveSide(rx), row);
    }
}

std::optional<ChannelTones> readToneColumns(const ColumnValues& row, Message& reason) {
    const std::string& mode = row[Column::Tone];
    ToneSide tx;
    ToneSide rx;
    if (sameWord(mode, "Tone")) {
        tx = transmitSide(ToneKind::Ctcss);
    } else if (sameWord(mode, "TSQL")) {
        tx = {ToneKind::Ctcss, Column::cToneFreq, 0};
        rx = receiveSide(ToneKind::Ctcss);
    } else if (sameWord(mode, "DTCS")) {
        tx = transmitSide(ToneKind::Dcs);
        rx = {ToneKind::Dcs, Column::DtcsCode, 1};
    } else if (sameWord(mode, "Cross")) {
        const CrossMode* cross = crossModeNamed(row[Column::CrossMode]);
        if (cross == nullptr) {
            reason = {TextId::NotACrossMode, {columnValue(row, Column::CrossMode)}};
            return std::nullopt;
        }
        tx = transmitSide(cross->tx);
        rx = receiveSide(cross->rx);
    } else if (!trimmed(mode).empty()) {
        reason = {TextId::NotAToneMode, {columnValue(row, Column::Tone)}};
        return std::nullopt;
    }
    const auto txIndex = readTone(tx, row, reason);
    if (!txIndex) {
        return std::nullopt;
    }
    const auto rxIndex = readTone(rx, row, reason);
    if (!rxIndex) {
        return std::nullopt;
    }
    return ChannelTones{*rxIndex, *txIndex};
}

}  // namespace hm3300::csv

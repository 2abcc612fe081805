#include "cli/channel_assignment.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "editor/cell_key_filters.h"
#include "editor/channel_commit.h"
#include "editor/grid_editing.h"
#include "model/tone_list.h"

namespace hm3300::cli {

namespace {

using model::ChannelField;
using model::ValueKind;
namespace Column = editor::GridColumn;

enum class FieldKind { Frequency, Tone, Word, Alias };

// A value word in English, lower case, and the value it stands for.
struct Word {
    std::string_view text;
    ValueKind kind;
};

constexpr std::array<Word, 2> kPowerWords{{{"high", ValueKind::High}, {"low", ValueKind::Low}}};
constexpr std::array<Word, 2> kBandwidthWords{
    {{"wide", ValueKind::Wide}, {"narrow", ValueKind::Narrow}}};
constexpr std::array<Word, 2> kSwitchWords{{{"on", ValueKind::On}, {"off", ValueKind::Off}}};
constexpr std::array<Word, 3> kVoiceWords{{{"off", ValueKind::Off},
                                           {"compander", ValueKind::Compander},
                                           {"scrambler", ValueKind::Scrambler}}};

struct SettableField {
    std::string_view name;
    FieldKind kind;
    ChannelField field;
    std::span<const Word> words = {};
};

constexpr std::array<SettableField, 14> kFields{{
    {"rx", FieldKind::Frequency, ChannelField::RxFreq},
    {"tx", FieldKind::Frequency, ChannelField::TxFreq},
    {"rxtone", FieldKind::Tone, ChannelField::RxTone},
    {"txtone", FieldKind::Tone, ChannelField::TxTone},
    {"power", FieldKind::Word, ChannelField::Power, kPowerWords},
    {"bandwidth", FieldKind::Word, ChannelField::Bandwidth, kBandwidthWords},
    {"scan", FieldKind::Word, ChannelField::ScanAdd, kSwitchWords},
    {"dtmf", FieldKind::Word, ChannelField::Dtmf, kSwitchWords},
    {"pttid", FieldKind::Word, ChannelField::PttId, kSwitchWords},
    {"alias", FieldKind::Alias, ChannelField::Alias},
    {"busylock", FieldKind::Word, ChannelField::BusyLock, kSwitchWords},
    {"tailelim", FieldKind::Word, ChannelField::TailElim, kSwitchWords},
    {"vox", FieldKind::Word, ChannelField::Vox, kSwitchWords},
    {"voice", FieldKind::Word, ChannelField::VoiceMode, kVoiceWords},
}};

struct Assignment {
    const SettableField* settable;
    std::string value;
};

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

AssignmentError usage(std::string message) {
    return {AssignmentError::Kind::Usage, std::move(message)};
}

const SettableField* findField(std::string_view name) {
    for (const SettableField& settable : kFields) {
        if (settable.name == name) {
            return &settable;
        }
    }
    return nullptr;
}

// "a, b or c"
std::string alternatives(const std::vector<std::string_view>& names) {
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i) {
        list += (i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + std::string(names[i]);
    }
    return list;
}

std::string wordList(std::span<const Word> words) {
    std::vector<std::string_view> names;
    for (const Word& word : words) {
        names.push_back(word.text);
    }
    return alternatives(names);
}

std::string fieldNames() {
    std::string names;
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        names += (i == 0                    ? ""
                  : i + 1 == kFields.size() ? " or "
                                            : ", ") +
                 std::string(kFields[i].name);
    }
    return names;
}

// The value a word stands for: the English word in any case, or a value word of any
// language the program speaks.
std::optional<ValueKind> valueOf(const SettableField& settable, std::string_view value) {
    for (const Word& word : settable.words) {
        if (lowerCase(value) == word.text) {
            return word.kind;
        }
    }
    std::vector<ValueKind> kinds;
    for (const Word& word : settable.words) {
        kinds.push_back(word.kind);
    }
    if (const ValueKind* kind = model::recognise(value, kinds)) {
        return *kind;
    }
    return std::nullopt;
}

// The tone list entry of a tone text: "off" (or the off word of any language), a CTCSS
// tone such as "88.5", a DCS code such as "D023N" in either case.
std::optional<int> toneIndex(std::string_view value, const model::ValueTexts& texts) {
    static constexpr std::array<ValueKind, 1> kOff{ValueKind::Off};
    if (lowerCase(value) == "off" || model::recognise(value, kOff)) {
        return 0;
    }
    std::string tone(value);
    std::transform(tone.begin(), tone.end(), tone.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const int index = model::ToneList::indexOf(tone, texts.OffText);
    return index > 0 ? std::optional<int>(index) : std::nullopt;
}

// Checks a value before anything is changed.
std::optional<AssignmentError> checkValue(const Assignment& assignment,
                                          const model::ValueTexts& texts) {
    const SettableField& settable = *assignment.settable;
    const std::string& value = assignment.value;
    const std::string field(settable.name);
    switch (settable.kind) {
        case FieldKind::Frequency:
            if (!value.empty() && !editor::parseFrequency(value)) {
                return usage("unknown " + field + " value " + quoted(value) +
                             ": give a frequency in MHz such as 435.125" +
                             (field == "rx" ? ", or nothing to delete the channel"
                                            : ", or nothing for the receive frequency"));
            }
            return std::nullopt;
        case FieldKind::Tone:
            if (!toneIndex(value, texts)) {
                return usage("unknown " + field + " value " + quoted(value) +
                             ": give off, a CTCSS tone from 63.0 to 254.1 such as 88.5, or a "
                             "DCS code such as D023N or D023I");
            }
            return std::nullopt;
        case FieldKind::Word:
            if (!valueOf(settable, value)) {
                return usage("unknown " + field + " value " + quoted(value) + ": give " +
                             wordList(settable.words));
            }
            return std::nullopt;
        case FieldKind::Alias:
            return std::nullopt;
    }
    return std::nullopt;
}

std::optional<AssignmentError> unreadable(const editor::EditError& error) {
    const std::string what = error.kind == editor::EditError::Kind::UnreadableBand
                                 ? "the band " + quoted(error.text) +
                                       " cannot be read as a frequency range such as 400-470MHz"
                                 : "the frequency " + quoted(error.text) + " is not a number";
    return AssignmentError{AssignmentError::Kind::Unreadable, what};
}

// A frequency as typed and committed in the grid's cell; an empty receive frequency deletes
// the channel, an empty transmit frequency takes the receive frequency.
std::optional<AssignmentError> assignFrequency(model::Codeplug& codeplug,
                                               const model::ValueTexts& texts, int number,
                                               ChannelField field, const std::string& value) {
    codeplug.channels.row(number)[field] = value;
    const int column = field == ChannelField::RxFreq ? Column::RxFreq : Column::TxFreq;
    if (auto error = editor::commitEdit(
            editor::EditState{.currentLine = number, .editColumn = column}, codeplug, texts)) {
        return unreadable(*error);
    }
    return std::nullopt;
}

std::optional<AssignmentError> assign(model::Codeplug& codeplug, const model::ValueTexts& texts,
                                      int number, const Assignment& assignment) {
    const SettableField& settable = *assignment.settable;
    model::Channel& channel = codeplug.channels.row(number);
    if (settable.field == ChannelField::RxFreq) {
        return assignFrequency(codeplug, texts, number, settable.field, assignment.value);
    }
    if (!channel.exists()) {
        return usage("channel " + std::to_string(number) +
                     " is empty: give rx=FREQUENCY to create it before " +
                     std::string(settable.name));
    }
    switch (settable.kind) {
        case FieldKind::Frequency:
            return assignFrequency(codeplug, texts, number, settable.field, assignment.value);
        case FieldKind::Tone: {
            const int column =
                settable.field == ChannelField::RxTone ? Column::RxTone : Column::TxTone;
            editor::chooseTone(
                editor::EditState{.currentLine = number, .editColumn = column, .editRow = number},
                codeplug.channels, *toneIndex(assignment.value, texts), texts);
            return std::nullopt;
        }
        case FieldKind::Word:
            channel[settable.field] = texts.text(*valueOf(settable, assignment.value));
            return std::nullopt;
        case FieldKind::Alias:
            channel[settable.field] = editor::filterAlias(assignment.value);
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

std::optional<int> parseChannelNumber(std::string_view word) {
    int number = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), number);
    if (word.empty() || ec != std::errc{} || end != word.data() + word.size() || number < 1 ||
        number > model::ChannelTable::kRows) {
        return std::nullopt;
    }
    return number;
}

std::optional<AssignmentError> assignChannelFields(model::Codeplug& codeplug,
                                                   const model::ValueTexts& texts, int number,
                                                   const std::vector<std::string>& words) {
    std::vector<Assignment> assignments;
    for (const std::string& word : words) {
        const std::size_t equals = word.find('=');
        if (equals == std::string::npos) {
            return usage("expected FIELD=VALUE, found " + quoted(word));
        }
        const SettableField* settable = findField(lowerCase(word.substr(0, equals)));
        if (settable == nullptr) {
            return usage("unknown field " + quoted(word.substr(0, equals)) + ": use " +
                         fieldNames());
        }
        assignments.push_back({settable, word.substr(equals + 1)});
        if (auto error = checkValue(assignments.back(), texts)) {
            return error;
        }
    }
    std::stable_partition(assignments.begin(), assignments.end(), [](const Assignment& a) {
        return a.settable->field == ChannelField::RxFreq;
    });
    for (const Assignment& assignment : assignments) {
        if (auto error = assign(codeplug, texts, number, assignment)) {
            return error;
        }
    }
    return std::nullopt;
}

}  // namespace hm3300::cli

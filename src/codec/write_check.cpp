#include "codec/write_check.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "codec/dtmf_codec.h"
#include "codec/frequency_codec.h"
#include "codec/name_codec.h"
#include "codec/tone_codec.h"
#include "model/quoted_text.h"

namespace hm3300::codec {

namespace {

using model::Channel;
using model::ChannelField;
using model::Option;
using model::OptionDefinition;
using model::OptionKind;
// Texts come from files and from the operator: control characters are shown escaped.
using model::quotedText;

std::string numberText(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

class ProblemList {
public:
    void add(int channel, std::string_view field, std::string message) {
        problems_.push_back({channel, std::string(field), std::move(message)});
    }
    std::vector<WriteProblem> take() { return std::move(problems_); }

private:
    std::vector<WriteProblem> problems_;
};

void checkFrequency(int number, const Channel& channel, ChannelField field, ProblemList& out) {
    const std::string& text = channel[field];
    if (text.empty()) {
        // Only TxFreq can be empty here: an empty RxFreq means there is no channel.
        out.add(number, fieldName(field),
                "the transmit frequency is empty; a channel needs one (form 145.12500)");
    } else if (!isRasterFrequency(text)) {
        out.add(number, fieldName(field),
                quotedText(text) +
                    " is not a frequency on the 5 kHz or 6.25 kHz raster (form 145.12500)");
    }
}

void checkTone(int number, const Channel& channel, ChannelField field,
               const model::ValueTexts& texts, ProblemList& out) {
    if (isEncodableTone(channel[field], texts.OffText)) {
        return;
    }
    out.add(number, fieldName(field),
            quotedText(channel[field]) + " is not in the tone list; use " +
                quotedText(texts.OffText) +
                ", a CTCSS tone 63.0 to 254.1 or a DCS code D017N to D754N or D017I to D754I");
}

void checkAlias(int number, const Channel& channel, ProblemList& out) {
    const std::string& alias = channel[ChannelField::Alias];
    const std::size_t shown = displayableLength(alias);
    if (shown != alias.size()) {
        out.add(number, fieldName(ChannelField::Alias),
                quotedText(alias) +
                    " has characters the radio cannot show; use 0-9, A-Z, blank, *, +, -, ., / "
                    "and _");
    }
    if (shown > kNameLength) {
        out.add(number, fieldName(ChannelField::Alias),
                quotedText(alias) + " has " + std::to_string(shown) +
                    " characters the radio can show; at most 6 fit");
    }
}

// A text the encoder does not recognise would silently be written as another value.
void checkValueText(int number, const Channel& channel, ChannelField field,
                    const model::ValueTexts& texts, ProblemList& out) {
    const std::string& text = channel[field];
    const auto kinds = model::valueKindsOf(field);
    const bool known = std::any_of(kinds.begin(), kinds.end(),
                                   [&](model::ValueKind kind) { return texts.text(kind) == text; });
    if (text.empty() || known) {
        return;
    }
    std::string allowed;
    for (model::ValueKind kind : kinds) {
        allowed += (allowed.empty() ? "" : ", ") + quotedText(texts.text(kind));
    }
    out.add(number, fieldName(field),
            quotedText(text) + " is not one of the current texts " + allowed + " (or empty)");
}

void checkChannel(int number, const Channel& channel, const model::ValueTexts& texts,
                  ProblemList& out) {
    for (ChannelField field : model::allChannelFields()) {
        switch (field) {
            case ChannelField::RxFreq:
            case ChannelField::TxFreq:
                checkFrequency(number, channel, field, out);
                break;
            case ChannelField::RxTone:
            case ChannelField::TxTone:
                checkTone(number, channel, field, texts, out);
                break;
            case ChannelField::Alias:
                checkAlias(number, channel, out);
                break;
            case ChannelField::RxCode:
            case ChannelField::TxCode:
                break;  // the tone texts alone are written
            default:
                checkValueText(number, channel, field, texts, out);
                break;
        }
    }
}

// The radio keeps whole multiples of its unit: anything between would be cut down on the
// way to the radio.
void checkNumber(const OptionDefinition& definition, double value, ProblemList& out) {
    const double units = value / definition.radioUnit;
    const bool inRange = value >= definition.minimum && value <= definition.maximum;
    if (inRange && units == std::floor(units)) {
        return;
    }
    out.add(
        0, definition.key,
        numberText(value) + (inRange ? " cannot be kept by the radio" : " is outside the range") +
            "; allowed are " + numberText(definition.minimum) + " to " +
            numberText(definition.maximum) + " in steps of " + numberText(definition.radioUnit));
}

void checkDtmfText(const OptionDefinition& definition, const std::string& text, ProblemList& out) {
    if (!std::all_of(text.begin(), text.end(), isDtmfDigit)) {
        out.add(
            0, definition.key,
            quotedText(text) + " has characters that are no DTMF digits; use 0-9, A-D, * and #");
    }
    if (text.size() > definition.maxLength) {
        out.add(0, definition.key,
                quotedText(text) + " has " + std::to_string(text.size()) + " digits; at most " +
                    std::to_string(definition.maxLength) + " fit");
    }
}

// A password of another length is replaced by the default when written, as intended.
void checkPassword(const model::RadioSettings& settings, ProblemList& out) {
    const std::string& password = settings.text(Option::Password);
    if (settings.flag(Option::ChangePassword) &&
        !model::isRadioPassword(model::effectivePassword(password))) {
        out.add(0, optionDefinition(Option::Password).key,
                quotedText(password) + " is not six decimal digits");
    }
}

void checkSettings(const model::RadioSettings& settings, ProblemList& out) {
    for (const OptionDefinition& definition : model::allOptions()) {
        switch (definition.kind) {
            case OptionKind::Choice: {
                const int index = settings.choice(definition.option);
                if (index < 0 || index >= definition.itemCount) {
                    out.add(0, definition.key,
                            "item " + std::to_string(index) + " does not exist; choose 0 to " +
                                std::to_string(definition.itemCount - 1));
                }
                break;
            }
            case OptionKind::Number:
                checkNumber(definition, settings.number(definition.option), out);
                break;
            case OptionKind::Text:
                if (definition.option == Option::Password) {
                    checkPassword(settings, out);
                } else {
                    checkDtmfText(definition, settings.text(definition.option), out);
                }
                break;
            case OptionKind::Flag:
                break;
        }
    }
}

}  // namespace

std::string WriteProblem::toString() const {
    const std::string where =
        channel > 0 ? "CH" + model::ChannelTable::rowLabel(channel) + " " : "";
    return where + field + ": " + message;
}

std::string formatWriteProblems(const std::vector<WriteProblem>& problems) {
    std::string text;
    for (const WriteProblem& problem : problems) {
        text += (text.empty() ? "" : "\n") + problem.toString();
    }
    return text;
}

std::vector<WriteProblem> checkWritable(const model::Codeplug& codeplug,
                                        const model::ValueTexts& texts) {
    ProblemList problems;
    for (int number = 1; number <= model::ChannelTable::kRows; ++number) {
        const Channel& channel = codeplug.channels.row(number);
        if (channel.exists()) {
            checkChannel(number, channel, texts, problems);
        }
    }
    checkSettings(codeplug.settings, problems);
    return problems.take();
}

}  // namespace hm3300::codec

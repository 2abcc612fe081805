#include "codec/write_check.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "codec/dtmf_codec.h"
#include "codec/frequency_codec.h"
#include "codec/name_codec.h"
#include "codec/tone_codec.h"
#include "model/quoted_text.h"
#include "model/text_ids.h"

namespace hm3300::codec {

namespace {

using model::Channel;
using model::ChannelField;
using model::Option;
using model::OptionDefinition;
using model::OptionKind;
// Texts come from files and from the operator: control characters are shown escaped.
using model::Message;
using model::quotedText;
namespace TextId = model::TextId;

std::string numberText(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

class ProblemList {
public:
    void add(int channel, std::string_view field, model::Message message) {
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
        out.add(number, fieldName(field), Message(TextId::EmptyTxFreq));
    } else if (!isRasterFrequency(text)) {
        out.add(number, fieldName(field), {TextId::OffRaster, {quotedText(text)}});
    }
}

void checkTone(int number, const Channel& channel, ChannelField field,
               const model::ValueTexts& texts, ProblemList& out) {
    if (isEncodableTone(channel[field], texts.OffText)) {
        return;
    }
    out.add(number, fieldName(field),
            {TextId::NotATone, {quotedText(channel[field]), quotedText(texts.OffText)}});
}

void checkAlias(int number, const Channel& channel, ProblemList& out) {
    const std::string& alias = channel[ChannelField::Alias];
    const std::size_t shown = displayableLength(alias);
    if (shown != alias.size()) {
        out.add(number, fieldName(ChannelField::Alias),
                {TextId::AliasUnshowable, {quotedText(alias)}});
    }
    if (shown > kNameLength) {
        out.add(number, fieldName(ChannelField::Alias),
                {TextId::AliasTooLong, {quotedText(alias), std::to_string(shown)}});
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
    out.add(number, fieldName(field), {TextId::NotAValueText, {quotedText(text), allowed}});
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
    out.add(0, definition.key,
            {inRange ? TextId::NumberBetweenUnits : TextId::NumberOutOfRange,
             {numberText(value), numberText(definition.minimum), numberText(definition.maximum),
              numberText(definition.radioUnit)}});
}

void checkDtmfText(const OptionDefinition& definition, const std::string& text, ProblemList& out) {
    if (!std::all_of(text.begin(), text.end(), isDtmfDigit)) {
        out.add(0, definition.key, {TextId::NotDtmf, {quotedText(text)}});
    }
    if (text.size() > definition.maxLength) {
        out.add(0, definition.key,
                {TextId::TooManyDigits,
                 {quotedText(text), std::to_string(text.size()),
                  std::to_string(definition.maxLength)}});
    }
}

// A password of another length is replaced by the default when written, as intended.
void checkPassword(const model::RadioSettings& settings, ProblemList& out) {
    const std::string& password = settings.text(Option::Password);
    if (settings.flag(Option::ChangePassword) &&
        !model::isRadioPassword(model::effectivePassword(password))) {
        out.add(0, optionDefinition(Option::Password).key,
                {TextId::NotAPassword, {quotedText(password)}});
    }
}

void checkSettings(const model::RadioSettings& settings, ProblemList& out) {
    for (const OptionDefinition& definition : model::allOptions()) {
        switch (definition.kind) {
            case OptionKind::Choice: {
                const int index = settings.choice(definition.option);
                if (index < 0 || index >= definition.itemCount) {
                    out.add(0, definition.key,
                            {TextId::NoSuchItem,
                             {std::to_string(index), std::to_string(definition.itemCount - 1)}});
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

model::Message WriteProblem::text(model::Message fieldName) const {
    if (channel > 0) {
        return {TextId::ChannelProblem,
                {model::ChannelTable::rowLabel(channel), std::move(fieldName), message}};
    }
    return {TextId::AboutThing, {std::move(fieldName), message}};
}

std::string WriteProblem::toString() const {
    return text(field).english();
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

#include "editor/auto_add.h"

#include "editor/channel_commit.h"

namespace hm3300::editor {

namespace {

using model::ChannelField;

// The limits of band 1's receive range, which the auto add sequence starts from and wraps
// to.
std::optional<FrequencyRange> sequenceRange(const model::Codeplug& codeplug, EditError& error) {
    const std::string text = codeplug.bands[model::BandListId::BAND_Rx].selectedText();
    const auto range = parseFrequencyRange(text);
    if (!range) {
        error = {EditError::Kind::UnreadableBand, text};
    }
    return range;
}

// A new channel at `frequency` in row `row`, replacing whatever the row held.
std::optional<EditError> placeChannel(model::Codeplug& codeplug, const model::ValueTexts& texts,
                                      int row, Frequency frequency) {
    EditError error;
    const auto raster = editingRaster(codeplug, error);
    if (!raster) {
        return error;
    }
    model::Channel& channel = codeplug.channels.row(row);
    channel[ChannelField::RxFreq] = normalizedFrequency(frequency, raster->band, raster->step);
    channel.fillNewChannelDefaults(texts);
    return std::nullopt;
}

// One step above the channel in `currentLine`, into the row below it; above the top of
// band 1 the sequence starts again at its bottom.
AutoAddStep addStep(EditState& state, model::Codeplug& codeplug, const model::ValueTexts& texts) {
    EditError error;
    const auto range = sequenceRange(codeplug, error);
    if (!range) {
        return {error, std::nullopt};
    }
    const std::string& current = codeplug.channels.row(state.currentLine)[ChannelField::RxFreq];
    auto frequency = parseFrequency(current);
    if (!frequency) {
        return {EditError{EditError::Kind::UnreadableFrequency, current}, std::nullopt};
    }
    frequency->units += channelStep(codeplug.settings.choice(model::Option::step));
    if (frequency->units > range->upper) {
        frequency = Frequency{range->lower};
    }
    if (auto failed = placeChannel(codeplug, texts, state.currentLine + 1, *frequency)) {
        return {failed, std::nullopt};
    }
    ++state.currentLine;
    return {std::nullopt, state.currentLine};
}

}  // namespace

AutoAddStep pressAutoAdd(EditState& state, model::Codeplug& codeplug,
                         const model::ValueTexts& texts) {
    state.skipNextToggle = true;
    const int line = state.currentLine;
    const model::Channel& channel = codeplug.channels.row(line);
    if (!channel.exists()) {
        EditError error;
        const auto range = sequenceRange(codeplug, error);
        if (!range) {
            return {error, std::nullopt};
        }
        if (auto failed = placeChannel(codeplug, texts, line, Frequency{range->lower})) {
            return {failed, std::nullopt};
        }
        return {std::nullopt, line};
    }
    if (channel[ChannelField::RxTone].empty()) {
        return {commitEdit(state, codeplug, texts), std::nullopt};
    }
    if (autoAddFinished(state)) {
        return {};
    }
    return addStep(state, codeplug, texts);
}

AutoAddStep repeatAutoAdd(EditState& state, model::Codeplug& codeplug,
                          const model::ValueTexts& texts) {
    state.skipNextToggle = true;
    if (autoAddFinished(state)) {
        return {};
    }
    return addStep(state, codeplug, texts);
}

bool autoAddFinished(const EditState& state) {
    return state.currentLine >= model::ChannelTable::kRows;
}

}  // namespace hm3300::editor

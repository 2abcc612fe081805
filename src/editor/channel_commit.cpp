#include "editor/channel_commit.h"

#include <initializer_list>

namespace hm3300::editor {

namespace {

using model::ChannelField;

// Normalises the non-empty cells among `fields` of an existing channel; the radio needs a
// transmit frequency on every channel, so an emptied one takes the receive frequency.
std::optional<EditError> commitFrequencies(int row, model::Codeplug& codeplug,
                                           std::initializer_list<ChannelField> fields) {
    model::Channel& channel = codeplug.channels.row(row);
    const model::Channel before = channel;
    for (ChannelField field : fields) {
        if (channel[field].empty()) {
            continue;
        }
        if (auto error = normalizeFrequency(codeplug, row, field)) {
            channel = before;
            return error;
        }
    }
    if (channel[ChannelField::TxFreq].empty()) {
        channel[ChannelField::TxFreq] = channel[ChannelField::RxFreq];
    }
    return std::nullopt;
}

// Empties a channel without a receive frequency, or completes a new one. Returns false when
// the channel is an existing one.
bool finishIncompleteChannel(int row, model::Codeplug& codeplug, const model::ValueTexts& texts,
                             std::optional<EditError>& error) {
    model::Channel& channel = codeplug.channels.row(row);
    if (!channel.exists()) {
        channel.clear();
        return true;
    }
    if (!channel[ChannelField::RxTone].empty()) {
        return false;
    }
    error = normalizeFrequency(codeplug, row, ChannelField::RxFreq);
    if (!error) {
        channel.fillNewChannelDefaults(texts);
    }
    return true;
}

}  // namespace

std::optional<EditError> commitEdit(const EditState& state, model::Codeplug& codeplug,
                                    const model::ValueTexts& texts) {
    std::optional<EditError> error;
    if (finishIncompleteChannel(state.currentLine, codeplug, texts, error)) {
        return error;
    }
    const auto field = fieldOfColumn(state.editColumn);
    if (field == ChannelField::RxFreq || field == ChannelField::TxFreq) {
        return commitFrequencies(state.currentLine, codeplug, {*field});
    }
    return std::nullopt;
}

bool editPending(const EditState& state, const model::ChannelTable& channels) {
    const model::Channel& channel = channels.row(state.currentLine);
    return state.frequencyTyped || (channel.exists() && channel[ChannelField::RxTone].empty());
}

std::optional<EditError> commitChannel(int row, model::Codeplug& codeplug,
                                       const model::ValueTexts& texts) {
    std::optional<EditError> error;
    if (finishIncompleteChannel(row, codeplug, texts, error)) {
        return error;
    }
    return commitFrequencies(row, codeplug, {ChannelField::RxFreq, ChannelField::TxFreq});
}

}  // namespace hm3300::editor

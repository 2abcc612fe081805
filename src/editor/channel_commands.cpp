#include "editor/channel_commands.h"

#include <utility>

#include "editor/channel_commit.h"

namespace hm3300::editor {

namespace {

std::optional<EditError> moveChannel(EditState& state, model::Codeplug& codeplug,
                                     const model::ValueTexts& texts, int offset) {
    if (auto error = commitEdit(state, codeplug, texts)) {
        return error;
    }
    const int from = state.currentLine;
    const int to = from + offset;
    const bool movable = state.editColumn > GridColumn::Label &&
                         !gridCellText(codeplug.channels, state.editColumn, from).empty();
    if (movable && to >= 1 && to <= model::ChannelTable::kRows) {
        std::swap(codeplug.channels.row(from), codeplug.channels.row(to));
        state.currentLine = to;
    }
    return std::nullopt;
}

}  // namespace

std::optional<EditError> moveChannelUp(EditState& state, model::Codeplug& codeplug,
                                       const model::ValueTexts& texts) {
    return moveChannel(state, codeplug, texts, -1);
}

std::optional<EditError> moveChannelDown(EditState& state, model::Codeplug& codeplug,
                                         const model::ValueTexts& texts) {
    return moveChannel(state, codeplug, texts, +1);
}

void deleteChannel(const EditState& state, model::ChannelTable& channels) {
    channels.row(state.currentLine).clear();
}

}  // namespace hm3300::editor

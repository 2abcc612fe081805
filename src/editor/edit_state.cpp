#include "editor/edit_state.h"

namespace hm3300::editor {

std::optional<model::ChannelField> fieldOfColumn(int column) {
    if (column < GridColumn::RxFreq || column > GridColumn::Alias) {
        return std::nullopt;
    }
    return static_cast<model::ChannelField>(column - GridColumn::RxFreq);
}

int columnOfField(model::ChannelField field) {
    return static_cast<int>(field) + GridColumn::RxFreq;
}

std::string gridCellText(const model::ChannelTable& channels, int column, int row) {
    if (column == GridColumn::Label) {
        return model::ChannelTable::rowLabel(row);
    }
    if (const auto field = fieldOfColumn(column)) {
        return channels.row(row)[*field];
    }
    return ">>";
}

}  // namespace hm3300::editor

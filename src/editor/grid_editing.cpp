#include "editor/grid_editing.h"

#include "editor/cell_key_filters.h"
#include "editor/text_fields.h"
#include "model/tone_list.h"

namespace hm3300::editor {

namespace {

using model::ChannelField;

bool isSwitchColumn(int column) {
    return column >= GridColumn::Power && column <= GridColumn::PttId;
}

bool isFrequencyColumn(int column) {
    return column == GridColumn::RxFreq || column == GridColumn::TxFreq;
}

bool isToneColumn(int column) {
    return column == GridColumn::RxTone || column == GridColumn::TxTone;
}

// The editor a column opens on a row that holds a channel.
OverlayEditor editorOf(int column) {
    if (isFrequencyColumn(column)) {
        return OverlayEditor::Frequency;
    }
    if (isToneColumn(column)) {
        return OverlayEditor::Tone;
    }
    return column == GridColumn::Alias ? OverlayEditor::Alias : OverlayEditor::None;
}

std::string utf8(char32_t c) {
    std::string text;
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
    return text;
}

}  // namespace

OverlayEditor arriveAt(EditState& state, model::ChannelTable& channels,
                       const model::ValueTexts& texts, int column, int row) {
    state.editColumn = column;
    state.currentLine = row;
    const bool skip = state.skipNextToggle;
    state.skipNextToggle = false;
    model::Channel& channel = channels.row(row);
    if (column == GridColumn::RxFreq) {
        return OverlayEditor::Frequency;
    }
    if (!channel.exists()) {
        return OverlayEditor::None;
    }
    if (isToneColumn(column)) {
        state.editRow = row;
    }
    if (isSwitchColumn(column)) {
        if (!skip) {
            std::string& cell = channel[*fieldOfColumn(column)];
            cell = toggledValue(column, cell, texts);
        }
    }
    return editorOf(column);
}

std::string toggledValue(int column, std::string_view cell, const model::ValueTexts& texts) {
    switch (column) {
        case GridColumn::Power:
            return cell == texts.HighText ? texts.LowText : texts.HighText;
        case GridColumn::Bandwidth:
            return cell == texts.WideText ? texts.NarrowText : texts.WideText;
        default:
            return cell == texts.OffText ? texts.OnText : texts.OffText;
    }
}

std::vector<std::string> toneItems(const model::ValueTexts& texts) {
    std::vector<std::string> items;
    items.reserve(model::ToneList::kSize);
    for (int index = 0; index < model::ToneList::kSize; ++index) {
        items.push_back(model::ToneList::text(index, texts.OffText));
    }
    return items;
}

void chooseTone(const EditState& state, model::ChannelTable& channels, int index,
                const model::ValueTexts& texts) {
    const bool validRow = state.editRow >= 1 && state.editRow <= model::ChannelTable::kRows;
    if (!isToneColumn(state.editColumn) || !validRow || index < 0 ||
        index >= model::ToneList::kSize) {
        return;
    }
    model::Channel& channel = channels.row(state.editRow);
    if (!channel.exists()) {
        return;
    }
    const bool receive = state.editColumn == GridColumn::RxTone;
    channel[receive ? ChannelField::RxTone : ChannelField::TxTone] =
        model::ToneList::text(index, texts.OffText);
    channel[receive ? ChannelField::RxCode : ChannelField::TxCode] = std::to_string(index);
}

void suppressNextToggle(EditState& state) {
    state.skipNextToggle = true;
}

void deleteVisibleCells(const EditState& state, model::ChannelTable& channels) {
    channels.row(state.currentLine).clearVisible();
}

bool emptyFrequencyCell(const EditState& state, model::ChannelTable& channels) {
    const auto field = fieldOfColumn(state.editColumn);
    if (!isFrequencyColumn(state.editColumn)) {
        return false;
    }
    std::string& cell = channels.row(state.currentLine)[*field];
    if (cell.size() != kFrequencyEditorLength) {
        return false;
    }
    cell.clear();
    return true;
}

GridTyping typeOnGrid(const EditState& state, const model::ChannelTable& channels, char32_t key,
                      bool enter, OverlayEditor openEditor) {
    using Action = GridTyping::Action;
    if (state.editColumn == GridColumn::Alias) {
        if (enter) {
            return {Action::CloseAliasEditor, {}};
        }
        if (openEditor != OverlayEditor::Alias) {
            return {};
        }
        // Backspace and a dropped character start an empty name.
        const bool kept = key != static_cast<char32_t>(kBackspace) && aliasKeyAccepted(key);
        return {Action::StartAlias, kept ? utf8(key) : std::string()};
    }
    const bool frequencyCell =
        state.editColumn == GridColumn::RxFreq ||
        (state.editColumn == GridColumn::TxFreq && channels.row(state.currentLine).exists());
    if (!frequencyCell || openEditor != OverlayEditor::Frequency) {
        return {};
    }
    if (enter) {
        return {Action::FocusFrequencyEditor, {}};
    }
    if (key >= U'0' && key <= U'9') {
        return {Action::StartFrequency, std::string(1, static_cast<char>(key))};
    }
    return {};
}

}  // namespace hm3300::editor

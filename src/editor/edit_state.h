#pragma once
// Where the channel editor stands, shared by the grid, the channel commands and the
// single-channel page, and the grid's columns: 0 the row label, 1 to 10 the visible
// fields in their order, 11 the ">>" that leads to the single-channel page.

#include <optional>
#include <string>

#include "model/channel_table.h"

namespace hm3300::editor {

namespace GridColumn {
inline constexpr int Label = 0;
inline constexpr int RxFreq = 1;
inline constexpr int RxTone = 2;
inline constexpr int TxFreq = 3;
inline constexpr int TxTone = 4;
inline constexpr int Power = 5;
inline constexpr int Bandwidth = 6;
inline constexpr int ScanAdd = 7;
inline constexpr int Dtmf = 8;
inline constexpr int PttId = 9;
inline constexpr int Alias = 10;
inline constexpr int More = 11;
inline constexpr int Count = 12;
}  // namespace GridColumn

struct EditState {
    // The channel row being edited, 1 to 128.
    int currentLine = 1;
    // The grid column the open editor writes into.
    int editColumn = GridColumn::RxFreq;
    // The row of the tone cell the tone list writes into; 0 until a tone cell is opened.
    int editRow = 0;
    // The next arrival on a switch column leaves it alone: the program or the keyboard
    // moved there, the operator did not click it.
    bool skipNextToggle = false;
    // A frequency was typed into the cell being edited since its last commit. The file and
    // radio commands commit only such an edit, so that a channel the operator did not touch
    // is never moved into the band being edited.
    bool frequencyTyped = false;
};

// The field shown in grid column 1 to 10; nothing for the label and ">>" columns.
std::optional<model::ChannelField> fieldOfColumn(int column);
// The grid column that shows a visible field.
int columnOfField(model::ChannelField field);

// What cell (column, row) shows: "001" ... "128", a field, or ">>".
std::string gridCellText(const model::ChannelTable& channels, int column, int row);

}  // namespace hm3300::editor

#pragma once
// Whole rows of the channel table: copied, pasted over, emptied, inserted and deleted with
// all sixteen fields, the hidden attributes included; and the two forms copied rows take on
// the clipboard: every field for pasting them back, and the visible columns as
// tab-separated text for a spreadsheet. Rows are numbered 1 to 128.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/channel_table.h"
#include "model/value_texts.h"

namespace hm3300::editor {

// The channels of `rows`, in the order given.
std::vector<model::Channel> copyRows(const model::ChannelTable& channels,
                                     std::span<const int> rows);

// Empties every field of `rows`; the rows below stay where they are.
void emptyRows(model::ChannelTable& channels, std::span<const int> rows);

// Writes `pasted` over rows `first`, `first` + 1, ... as far as row 128 reaches, each in
// the words of `texts`. Returns how many rows were written.
int pasteRows(model::ChannelTable& channels, int first, std::span<const model::Channel> pasted,
              const model::ValueTexts& texts);

// An empty row inserted at `row` pushes row 128 out of the table: this says whether a
// channel would be lost with it.
bool insertDropsChannel(const model::ChannelTable& channels);
// Moves rows `row` ... 127 one down (row 128 is lost) and empties `row`.
void insertEmptyRow(model::ChannelTable& channels, int row);

// Removes `rows`; the rows below move up and empty rows fill the end of the table.
void deleteRows(model::ChannelTable& channels, std::span<const int> rows);

// Every field of `copied`, one row a line, fields separated by tabs; a tab, a line break or
// a backslash inside a field is written as \t, \n, \r or \\.
std::string channelsText(std::span<const model::Channel> copied);
// The channels of a channelsText; nothing when `text` is not one (a line without sixteen
// fields, an unknown escape, more than 128 rows, no row at all).
std::optional<std::vector<model::Channel>> parseChannelsText(std::string_view text);

// The ten visible fields of `copied`, tab-separated, one row a line, for a spreadsheet.
std::string visibleColumnsText(std::span<const model::Channel> copied);

}  // namespace hm3300::editor

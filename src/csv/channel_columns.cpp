#include "csv/channel_columns.h"

#include "csv/csv_values.h"
#include "model/quoted_text.h"

namespace hm3300::csv {

namespace {

constexpr std::array<std::string_view, kColumnCount> kNames{
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};
static_assert(kNames.back() == "DVCODE", "one name for every column");

}  // namespace

std::string_view columnName(Column column) {
    return kNames[static_cast<std::size_t>(column)];
}

std::optional<Column> columnNamed(std::string_view name) {
    for (std::size_t i = 0; i < kColumnCount; ++i) {
        if (sameWord(name, kNames[i])) {
            return static_cast<Column>(i);
        }
    }
    return std::nullopt;
}

std::string columnValue(const ColumnValues& row, Column column) {
    return std::string(columnName(column)) + " " + model::quotedText(row[column]);
}

}  // namespace hm3300::csv

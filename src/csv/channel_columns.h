#pragma once
// The columns of a channel row, in the order the header names them. The layout is the one
// the widely used open-source radio programmers read and write, so a channel list moves
// between them and this program.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace hm3300::csv {

enum class Column {
    Location,
    Name,
    Frequency,
    Duplex,
    Offset,
    Tone,
    rToneFreq,
    cToneFreq,
    DtcsCode,
    DtcsPolarity,
    RxDtcsCode,
    CrossMode,
    Mode,
    TStep,
    Skip,
    Power,
    Comment,
    URCALL,
    RPT1CALL,
    RPT2CALL,
    DVCODE,
};

inline constexpr std::size_t kColumnCount = static_cast<std::size_t>(Column::DVCODE) + 1;

// "Location", "rToneFreq", ...
std::string_view columnName(Column column);
// The column a header names, in any case and with blanks around it.
std::optional<Column> columnNamed(std::string_view name);

// The texts of one row, indexed by column.
class ColumnValues {
public:
    std::string& operator[](Column column) { return values_[static_cast<std::size_t>(column)]; }
    const std::string& operator[](Column column) const {
        return values_[static_cast<std::size_t>(column)];
    }
    const std::array<std::string, kColumnCount>& all() const { return values_; }

private:
    std::array<std::string, kColumnCount> values_;
};

// The column and its value in `row` as a message names them: `Duplex "x"`. Both are data:
// the column names are the layout's own.
std::string columnValue(const ColumnValues& row, Column column);

}  // namespace hm3300::csv

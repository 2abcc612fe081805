#include <array>
#include <charconv>
#include <map>

#include "csv/channel_columns.h"
#include "csv/channel_csv.h"
#include "csv/channel_row.h"
#include "csv/csv_records.h"
#include "csv/csv_values.h"
#include "model/quoted_text.h"
#include "model/text_ids.h"

namespace hm3300::csv {

namespace {

namespace TextId = model::TextId;
using model::Message;

constexpr std::array<Column, 2> kRequiredColumns{Column::Location, Column::Frequency};

// `what` went wrong on `line`.
Message atLine(int line, Message what) {
    return {TextId::AtLine, {std::to_string(line), std::move(what)}};
}

// "Location,Name,...,DVCODE"
std::string expectedHeader() {
    std::string header;
    for (std::size_t i = 0; i < kColumnCount; ++i) {
        header += (i == 0 ? "" : ",") + std::string(columnName(static_cast<Column>(i)));
    }
    return header;
}

// Where each column stands in the rows, as the header line says.
class Header {
public:
    static std::optional<Header> read(const CsvRecord& record, Message& error) {
        Header header;
        header.size_ = record.fields.size();
        for (std::size_t i = 0; i < record.fields.size(); ++i) {
            const auto column = columnNamed(record.fields[i]);
            if (!column) {
                continue;  // a column of another program
            }
            auto& index = header.indexes_[static_cast<std::size_t>(*column)];
            if (index) {
                error =
                    atLine(record.line, {TextId::ColumnTwice, {std::string(columnName(*column))}});
                return std::nullopt;
            }
            index = i;
        }
        Message missing;
        for (const Column column : kRequiredColumns) {
            if (!header.has(column)) {
                const std::string name(columnName(column));
                missing = missing.empty() ? Message(name)
                                          : Message(TextId::BothOf, {std::move(missing), name});
            }
        }
        if (!missing.empty()) {
            error =
                atLine(record.line, {TextId::HeaderLacks, {std::move(missing), expectedHeader()}});
            return std::nullopt;
        }
        return header;
    }

    bool has(Column column) const { return indexes_[static_cast<std::size_t>(column)].has_value(); }
    std::size_t size() const { return size_; }

    std::bitset<kColumnCount> columns() const {
        std::bitset<kColumnCount> present;
        for (std::size_t i = 0; i < kColumnCount; ++i) {
            present[i] = indexes_[i].has_value();
        }
        return present;
    }

    // The record's values by column; a column the header lacks, or a field the record
    // lacks, reads as empty.
    ColumnValues values(const CsvRecord& record) const {
        ColumnValues values;
        for (std::size_t i = 0; i < kColumnCount; ++i) {
            if (indexes_[i] && *indexes_[i] < record.fields.size()) {
                values[static_cast<Column>(i)] = record.fields[*indexes_[i]];
            }
        }
        return values;
    }

private:
    std::array<std::optional<std::size_t>, kColumnCount> indexes_{};
    std::size_t size_ = 0;
};

// A row of empty fields, as spreadsheets leave where rows were deleted: a blank line.
bool holdsNothing(const CsvRecord& record) {
    for (const std::string& field : record.fields) {
        if (!trimmed(field).empty()) {
            return false;
        }
    }
    return true;
}

std::optional<int> locationOf(std::string_view text) {
    text = trimmed(text);
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || number < 1 ||
        number > model::ChannelTable::kRows) {
        return std::nullopt;
    }
    return number;
}

// Imports the rows after the header one by one into `codeplug`.
class RowImport {
public:
    RowImport(const Header& header, RowRules rules, model::Codeplug& codeplug,
              const model::ValueTexts& texts, CsvImport& result)
        : header_(header),
          rules_(std::move(rules)),
          codeplug_(codeplug),
          texts_(texts),
          result_(result) {}

    void importRow(const CsvRecord& record) {
        if (holdsNothing(record)) {
            return;
        }
        const ColumnValues row = header_.values(record);
        RowReport report{record.line, std::string(trimmed(row[Column::Location])), {}, true};
        Message problem;
        const auto number = checkedLocation(record, row, problem);
        const auto update = number ? readChannelRow(row, rules_, problem) : std::nullopt;
        if (!update) {
            report.problem = std::move(problem);
            result_.reports.push_back(std::move(report));
            return;
        }
        applyChannelUpdate(*update, codeplug_.channels.row(*number), texts_);
        ++result_.imported;
        if (!update->nameCut.empty()) {
            report.problem = update->nameCut;
            report.skipped = false;
            result_.reports.push_back(std::move(report));
        }
    }

private:
    // The channel the row names, when its fields stand where the header says and no
    // earlier row named the channel.
    std::optional<int> checkedLocation(const CsvRecord& record, const ColumnValues& row,
                                       Message& problem) {
        if (record.fields.size() != header_.size()) {
            problem = {TextId::FieldCountDiffers,
                       {std::to_string(record.fields.size()), std::to_string(header_.size())}};
            return std::nullopt;
        }
        const auto number = locationOf(row[Column::Location]);
        if (!number) {
            problem = {TextId::NotALocation, {columnValue(row, Column::Location)}};
            return std::nullopt;
        }
        const auto [earlier, first] = lineOfLocation_.try_emplace(*number, record.line);
        if (!first) {
            problem = {TextId::LocationRepeated,
                       {std::to_string(*number), std::to_string(earlier->second)}};
            return std::nullopt;
        }
        return number;
    }

    const Header& header_;
    const RowRules rules_;
    model::Codeplug& codeplug_;
    const model::ValueTexts& texts_;
    CsvImport& result_;
    std::map<int, int> lineOfLocation_;
};

}  // namespace

Message describeRow(const RowReport& report) {
    Message text = report.location.empty()
                       ? atLine(report.line, report.problem)
                       : Message(TextId::AtLineLocation,
                                 {std::to_string(report.line), model::escapedText(report.location),
                                  report.problem});
    return report.skipped ? Message(TextId::RowSkipped, {std::move(text)}) : text;
}

bool CsvImport::skippedAny() const {
    for (const RowReport& report : reports) {
        if (report.skipped) {
            return true;
        }
    }
    return false;
}

std::optional<CsvImportError> importChannelsCsv(std::string_view bytes, model::Codeplug& codeplug,
                                                const model::ValueTexts& texts, CsvImport& result) {
    std::vector<CsvRecord> records;
    if (const auto error = parseCsvRecords(bytes, records)) {
        return CsvImportError{error->message};
    }
    if (records.empty()) {
        return CsvImportError{{TextId::NoHeaderLine, {expectedHeader()}}};
    }
    Message error;
    const auto header = Header::read(records.front(), error);
    if (!header) {
        return CsvImportError{error};
    }
    editor::EditError bandError;
    const auto raster = editor::editingRaster(codeplug, bandError);
    if (!raster) {
        return CsvImportError{{TextId::CsvBandUnreadable, {model::quotedText(bandError.text)}}};
    }
    model::Codeplug imported = codeplug;
    CsvImport outcome;
    RowImport rows(*header,
                   {*raster, model::activeReceiveBand(codeplug).selectedText(), header->columns()},
                   imported, texts, outcome);
    for (std::size_t i = 1; i < records.size(); ++i) {
        rows.importRow(records[i]);
    }
    codeplug = std::move(imported);
    result = std::move(outcome);
    return std::nullopt;
}

}  // namespace hm3300::csv

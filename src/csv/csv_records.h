#pragma once
// Comma-separated records as RFC 4180 has them: fields in double quotes may hold commas,
// line breaks and doubled quotes. Lines end in CR LF, LF or a lone CR; a UTF-8 byte order
// mark before the first record is dropped and empty lines hold no record.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/message.h"

namespace hm3300::csv {

struct CsvRecord {
    int line = 0;  // the 1-based line the record starts on
    std::vector<std::string> fields;
    bool operator==(const CsvRecord&) const = default;
};

// Text that cannot be split into records; `message` names the line.
struct CsvSyntaxError {
    int line = 0;
    model::Message message;
};

// Splits `text` into its records. On an error `records` is left as it was.
std::optional<CsvSyntaxError> parseCsvRecords(std::string_view text,
                                              std::vector<CsvRecord>& records);

// One record with its CR LF; a field holding a comma, a quote or a line break is quoted.
std::string csvRecordLine(std::span<const std::string> fields);

}  // namespace hm3300::csv

#include "csv/csv_records.h"

#include "model/text_ids.h"

namespace hm3300::csv {

namespace {

namespace TextId = model::TextId;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The length of the line end at `position`: 2 for CR LF, 1 for LF or a lone CR, else 0.
std::size_t lineEndAt(std::string_view text, std::size_t position) {
    if (position >= text.size()) {
        return 0;
    }
    if (text[position] == '\n') {
        return 1;
    }
    if (text[position] == '\r') {
        return position + 1 < text.size() && text[position + 1] == '\n' ? 2 : 1;
    }
    return 0;
}

// `what` (a text id) went wrong in field `fieldNumber` of the record on `line`.
CsvSyntaxError fieldError(int line, std::size_t fieldNumber, int what) {
    return {line,
            {TextId::AtLineField,
             {std::to_string(line), std::to_string(fieldNumber), model::Message(what)}}};
}

// Reads the records one field at a time; every step consumes at least one character or
// ends the text, so any input comes to an end.
class RecordReader {
public:
    explicit RecordReader(std::string_view text) : text_(text) {
        if (text_.starts_with(kByteOrderMark)) {
            text_.remove_prefix(kByteOrderMark.size());
        }
    }

    std::optional<CsvSyntaxError> read(std::vector<CsvRecord>& records) {
        while (position_ < text_.size()) {
            if (const std::size_t end = lineEndAt(text_, position_)) {
                position_ += end;
                ++line_;
                continue;
            }
            CsvRecord record{line_, {}};
            if (auto error = readRecord(record)) {
                return error;
            }
            records.push_back(std::move(record));
        }
        return std::nullopt;
    }

private:
    std::optional<CsvSyntaxError> readRecord(CsvRecord& record) {
        for (;;) {
            std::string field;
            if (position_ < text_.size() && text_[position_] == '"') {
                if (auto error = readQuoted(field, record.fields.size() + 1)) {
                    return error;
                }
            } else {
                readPlain(field);
            }
            record.fields.push_back(std::move(field));
            if (position_ < text_.size() && text_[position_] == ',') {
                ++position_;
                continue;
            }
            if (const std::size_t end = lineEndAt(text_, position_)) {
                position_ += end;
                ++line_;
            }
            return std::nullopt;
        }
    }

    void readPlain(std::string& field) {
        const std::size_t start = position_;
        while (position_ < text_.size() && text_[position_] != ',' &&
               lineEndAt(text_, position_) == 0) {
            ++position_;
        }
        field.assign(text_.substr(start, position_ - start));
    }

    std::optional<CsvSyntaxError> readQuoted(std::string& field, std::size_t fieldNumber) {
        const int openedOn = line_;
        ++position_;
        for (;;) {
            if (position_ >= text_.size()) {
                return fieldError(openedOn, fieldNumber, TextId::QuoteNeverClosed);
            }
            if (text_[position_] == '"') {
                if (position_ + 1 < text_.size() && text_[position_ + 1] == '"') {
                    field += '"';
                    position_ += 2;
                    continue;
                }
                ++position_;
                break;
            }
            if (const std::size_t end = lineEndAt(text_, position_)) {
                field.append(text_.substr(position_, end));
                position_ += end;
                ++line_;
                continue;
            }
            field += text_[position_++];
        }
        if (position_ < text_.size() && text_[position_] != ',' &&
            lineEndAt(text_, position_) == 0) {
            return fieldError(line_, fieldNumber, TextId::TextAfterQuote);
        }
        return std::nullopt;
    }

    std::string_view text_;
    std::size_t position_ = 0;
    int line_ = 1;
};

bool needsQuotes(std::string_view field) {
    return field.find_first_of(",\"\r\n") != std::string_view::npos;
}

}  // namespace

std::optional<CsvSyntaxError> parseCsvRecords(std::string_view text,
                                              std::vector<CsvRecord>& records) {
    std::vector<CsvRecord> read;
    if (auto error = RecordReader(text).read(read)) {
        return error;
    }
    records.insert(records.end(), std::make_move_iterator(read.begin()),
                   std::make_move_iterator(read.end()));
    return std::nullopt;
}

std::string csvRecordLine(std::span<const std::string> fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line += ',';
        }
        if (!needsQuotes(fields[i])) {
            line += fields[i];
            continue;
        }
        line += '"';
        for (char c : fields[i]) {
            line += c == '"' ? std::string("\"\"") : std::string(1, c);
        }
        line += '"';
    }
    return line + "\r\n";
}

}  // namespace hm3300::csv

#include "csv/csv_records.h"

#include <gtest/gtest.h>

namespace hm3300::csv {

// Shown in failures as "1: [a] [b]".
void PrintTo(const CsvRecord& record, std::ostream* out) {
    *out << record.line << ":";
    for (const std::string& field : record.fields) {
        *out << " [" << field << "]";
    }
}

namespace {

struct Split {
    const char* text;
    std::vector<CsvRecord> records;
};

TEST(CsvRecords, SplitsRecordsAsRfc4180WithEveryLineEnd) {
    const Split cases[] = {
        {"a,b\r\nc,d\r\n", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        {"a,b\nc,d", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        {"a\rb\r", {{1, {"a"}}, {2, {"b"}}}},
        {"\xEF\xBB\xBF"
         "a,b\n",
         {{1, {"a", "b"}}}},
        {"\n\r\na\r\n\r\nb\n\n", {{3, {"a"}}, {5, {"b"}}}},
        {",,\n", {{1, {"", "", ""}}}},
        {"a,", {{1, {"a", ""}}}},
        {"\"x,y\",\"say \"\"hi\"\"\",\"\"\n", {{1, {"x,y", "say \"hi\"", ""}}}},
        {"\"two\r\nlines\",z\nnext\n", {{1, {"two\r\nlines", "z"}}, {3, {"next"}}}},
        {"ab\"c,d\n", {{1, {"ab\"c", "d"}}}},
        {"", {}},
    };
    for (const Split& c : cases) {
        std::vector<CsvRecord> records;
        EXPECT_FALSE(parseCsvRecords(c.text, records)) << c.text;
        EXPECT_EQ(records, c.records) << c.text;
    }
}

TEST(CsvRecords, MalformedQuotesNameTheirLineAndFieldAndGiveNoRecords) {
    const std::pair<const char*, const char*> cases[] = {
        {"a,\"b", "line 1, field 2: the quoted field is never closed"},
        {"a\n\"b\nc,d\n", "line 2, field 1: the quoted field is never closed"},
        {"x\n\"a\"b,c\n", "line 2, field 1: text follows the closing quote"},
        {"x,\"multi\nline\" y\n", "line 2, field 2: text follows the closing quote"},
    };
    for (const auto& [text, message] : cases) {
        std::vector<CsvRecord> records{{9, {"kept"}}};
        const auto error = parseCsvRecords(text, records);
        ASSERT_TRUE(error) << text;
        EXPECT_EQ(error->message.english(), message);
        EXPECT_EQ(records.size(), 1u) << "nothing added";
    }
}

TEST(CsvRecords, WritesCrLfAndQuotesOnlyWhatNeedsIt) {
    const std::vector<std::string> fields{"a", "b,c", "say \"x\"", "l1\nl2", "", "YARD 2"};
    const std::string line = csvRecordLine(fields);
    EXPECT_EQ(line, "a,\"b,c\",\"say \"\"x\"\"\",\"l1\nl2\",,YARD 2\r\n");
    std::vector<CsvRecord> records;
    ASSERT_FALSE(parseCsvRecords(line, records));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].fields, fields);
}

}  // namespace
}  // namespace hm3300::csv

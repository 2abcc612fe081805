#pragma once
// The channel table as CSV, in the layout the widely used open-source radio programmers
// read and write: a header line naming the columns (csv/channel_columns.h), then one row
// per channel. Both directions work on text alone, without files, so the window, the
// command line and a fuzzer share them.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/codeplug.h"
#include "model/message.h"
#include "model/value_texts.h"

namespace hm3300::csv {

// The largest CSV file the program reads, far above a list of 128 channels.
inline constexpr std::size_t kMaxChannelCsvSize = 1 << 20;

// The header and one row per existing channel in channel order, each line ending in CR LF.
// Frequencies are MHz with six decimals, the transmit frequency is given by Duplex and
// Offset, the tones as csv/csv_tones.h describes, Mode FM (wide) or NFM (narrow), TStep the
// channel step in kHz, Skip "S" for a channel outside the scan list, Power High or Low.
std::string exportChannelsCsv(const model::Codeplug& codeplug, const model::ValueTexts& texts);

// A row that was skipped, or imported with a change (a name cut to six characters).
struct RowReport {
    int line = 0;
    std::string location;  // the row's Location as written; empty when it has none
    model::Message problem;
    bool skipped = true;
    bool operator==(const RowReport&) const = default;
};

// "line 7, location 200: <problem>; the row is skipped"
model::Message describeRow(const RowReport& report);

struct CsvImport {
    int imported = 0;                // rows that set a channel
    std::vector<RowReport> reports;  // in line order
    bool skippedAny() const;
};

// Why nothing was imported: the text is not CSV, its header lacks Location or Frequency or
// names a column twice, or the band being edited cannot be read. Names the line.
struct CsvImportError {
    model::Message message;
};

// Sets the channels the rows of `bytes` name, as the channel editor would:
// - Location 1 to 128 names the channel; channels no row names stay as they are, and a
//   location given twice is reported the second time;
// - Frequency is normalised as in the grid, but a receive or transmit frequency outside
//   the receive range of the active band is reported instead of moved into it;
// - Duplex "" is transmit on the receive frequency, "+" and "-" add or subtract Offset,
//   "split" makes Offset the transmit frequency; "off" cannot be represented;
// - Mode FM or NFM; Skip "" or "S"; Power with "low" in it or below 2 W is low;
// - Name is filtered and upper-cased as the alias editor does; a longer name is cut to six
//   characters and reported;
// - a column the header lacks is not carried: the channel keeps that value. A new channel
//   gets the grid's defaults for everything the CSV does not carry.
// Words are taken in any case, with blanks around them. A row that cannot be represented is
// reported in `result` and skipped; the others are imported. On an error `codeplug` and
// `result` are left as they were.
std::optional<CsvImportError> importChannelsCsv(std::string_view bytes, model::Codeplug& codeplug,
                                                const model::ValueTexts& texts, CsvImport& result);

}  // namespace hm3300::csv

#pragma once
// A typed frequency put on the channel raster and inside the band being edited:
// "435.1234" becomes "435.12500", "480" in 400-470 MHz at 25 kHz becomes "469.97500".
// Frequencies are counted in 10 Hz units, so the decimal text a person typed is taken
// exactly and no binary rounding moves a frequency to a neighbouring raster point.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/codeplug.h"

namespace hm3300::editor {

// 43512500 is 435.125 MHz.
using FrequencyUnits = std::int64_t;

// Why an edit could not be finished: the band range or a frequency is a text that cannot
// be read as numbers. `text` is that text as found.
struct EditError {
    enum class Kind { UnreadableBand, UnreadableFrequency };
    Kind kind;
    std::string text;
    bool operator==(const EditError&) const = default;
};

// A frequency in MHz as typed, cut to whole 100 Hz as the editor takes it; `finer` says
// whether digits below 100 Hz were cut off, which still counts when it is compared with a
// band limit.
struct Frequency {
    FrequencyUnits units = 0;
    bool finer = false;
};

// Digits with at most one ".", at least one digit before it ("435", "435.", "435.125").
std::optional<Frequency> parseFrequency(std::string_view text);

struct FrequencyRange {
    FrequencyUnits lower = 0;
    FrequencyUnits upper = 0;
};

// The limits of a band text such as "400-470MHz".
std::optional<FrequencyRange> parseFrequencyRange(std::string_view bandText);

// The channel step the option `step` chooses (0 "5kHz" ... 4 "25kHz"). An index the list
// does not hold, which only a damaged file can bring, counts as the default step.
FrequencyUnits channelStep(int stepIndex);

// Whether `frequency` lies in `band`, the upper limit included; digits cut off below 100 Hz
// put a frequency at the upper limit above it.
bool withinBand(Frequency frequency, FrequencyRange band);

// The frequency moved into `band` (above the upper limit it goes one step below it) and
// up to the next point of the 5 kHz or the 6.25 kHz raster; from 550 MHz on nothing is
// rounded. The text has nine characters for every frequency of a band: "435.00625".
std::string normalizedFrequency(Frequency frequency, FrequencyRange band, FrequencyUnits step);

// The band and step frequencies are edited against: the receive range of the active band
// and the step of `codeplug`'s settings.
struct EditingRaster {
    FrequencyRange band;
    FrequencyUnits step;
};
std::optional<EditingRaster> editingRaster(const model::Codeplug& codeplug, EditError& error);

// Normalises the frequency cell `field` (RxFreq or TxFreq) of channel `row` in place. On
// an error the cell keeps its text.
std::optional<EditError> normalizeFrequency(model::Codeplug& codeplug, int row,
                                            model::ChannelField field);

}  // namespace hm3300::editor

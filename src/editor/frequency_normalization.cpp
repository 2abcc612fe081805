#include "editor/frequency_normalization.h"

#include <array>

namespace hm3300::editor {

namespace {

constexpr FrequencyUnits kUnitsPerMHz = 100000;
// The editor keeps frequencies to 100 Hz before it rounds them onto the raster.
constexpr FrequencyUnits kTypedResolution = 10;
constexpr FrequencyUnits kRasterA = 500;  // 5 kHz
constexpr FrequencyUnits kRasterB = 625;  // 6.25 kHz
constexpr FrequencyUnits kRasterRise = 5;
// From here on the radio takes any frequency as it is.
constexpr FrequencyUnits kUnroundedFrom = 550 * kUnitsPerMHz;
// More MHz digits than this lie above every band; the count only has to stay above them.
constexpr std::size_t kMaxWholeDigits = 9;
constexpr std::size_t kNormalizedLength = 9;
constexpr std::size_t kMaxPadding = 6;

constexpr std::array<FrequencyUnits, 5> kSteps{500, 625, 1000, 1250, 2500};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string decimalText(FrequencyUnits units) {
    if (units < 0) {
        return "-" + decimalText(-units);
    }
    std::string text = std::to_string(units / kUnitsPerMHz);
    std::string fraction = std::to_string(kUnitsPerMHz + units % kUnitsPerMHz).substr(1);
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    return text + "." + fraction;
}

bool aboveBand(Frequency frequency, FrequencyRange band) {
    return frequency.units > band.upper || (frequency.units == band.upper && frequency.finer);
}

}  // namespace

std::optional<Frequency> parseFrequency(std::string_view text) {
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    const auto digitsOnly = [](std::string_view part) {
        for (char c : part) {
            if (!isDigit(c)) {
                return false;
            }
        }
        return true;
    };
    if (whole.empty() || !digitsOnly(whole) || !digitsOnly(fraction)) {
        return std::nullopt;
    }
    Frequency frequency;
    const std::size_t firstSignificant = std::min(whole.find_first_not_of('0'), whole.size());
    if (whole.size() - firstSignificant > kMaxWholeDigits) {
        frequency.units = static_cast<FrequencyUnits>(1e9) * kUnitsPerMHz;
        return frequency;
    }
    for (char c : whole) {
        frequency.units = frequency.units * 10 + (c - '0');
    }
    frequency.units *= kUnitsPerMHz;
    FrequencyUnits scale = kUnitsPerMHz;
    for (std::size_t i = 0; i < fraction.size(); ++i) {
        const int digit = fraction[i] - '0';
        if (scale > kTypedResolution) {
            scale /= 10;
            frequency.units += digit * scale;
        } else if (digit != 0) {
            frequency.finer = true;
        }
    }
    return frequency;
}

std::optional<FrequencyRange> parseFrequencyRange(std::string_view bandText) {
    const auto range = model::parseBandRange(bandText);
    if (!range) {
        return std::nullopt;
    }
    return FrequencyRange{range->lower * kUnitsPerMHz, range->upper * kUnitsPerMHz};
}

FrequencyUnits channelStep(int stepIndex) {
    if (stepIndex < 0 || stepIndex >= static_cast<int>(kSteps.size())) {
        stepIndex = static_cast<int>(model::optionDefinition(model::Option::step).defaultValue);
    }
    return kSteps[static_cast<std::size_t>(stepIndex)];
}

bool withinBand(Frequency frequency, FrequencyRange band) {
    return frequency.units >= band.lower && !aboveBand(frequency, band);
}

std::string normalizedFrequency(Frequency frequency, FrequencyRange band, FrequencyUnits step) {
    if (band.lower > frequency.units) {
        frequency = {band.lower, false};
    }
    FrequencyUnits units = frequency.units;
    if (aboveBand(frequency, band)) {
        // One step below the limit, cut to the editor's resolution like a typed value.
        units = (band.upper - step) / kTypedResolution * kTypedResolution;
    }
    while (units < kUnroundedFrom && units % kRasterA != 0 && units % kRasterB != 0) {
        units += kRasterRise;
    }
    std::string text = decimalText(units);
    for (std::size_t padding = 0; text.size() < kNormalizedLength && padding < kMaxPadding;
         ++padding) {
        text += '0';
    }
    return text;
}

std::optional<EditingRaster> editingRaster(const model::Codeplug& codeplug, EditError& error) {
    const std::string bandText = model::activeReceiveBand(codeplug).selectedText();
    const auto band = parseFrequencyRange(bandText);
    if (!band) {
        error = {EditError::Kind::UnreadableBand, bandText};
        return std::nullopt;
    }
    return EditingRaster{*band, channelStep(codeplug.settings.choice(model::Option::step))};
}

std::optional<EditError> normalizeFrequency(model::Codeplug& codeplug, int row,
                                            model::ChannelField field) {
    std::string& cell = codeplug.channels.row(row)[field];
    EditError error;
    const auto raster = editingRaster(codeplug, error);
    if (!raster) {
        return error;
    }
    const auto frequency = parseFrequency(cell);
    if (!frequency) {
        return EditError{EditError::Kind::UnreadableFrequency, cell};
    }
    cell = normalizedFrequency(*frequency, raster->band, raster->step);
    return std::nullopt;
}

}  // namespace hm3300::editor

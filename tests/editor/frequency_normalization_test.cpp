#include "editor/frequency_normalization.h"

#include <gtest/gtest.h>

#include "editing_fixture.h"

namespace hm3300::editor {
namespace {

using test::ChannelField;

std::string normalize(const char* typed, int stepIndex, const char* band = "400-470MHz") {
    const auto frequency = parseFrequency(typed);
    EXPECT_TRUE(frequency) << typed;
    return normalizedFrequency(frequency.value_or(Frequency{}), *parseFrequencyRange(band),
                               channelStep(stepIndex));
}

TEST(FrequencyNormalization, PutsTypedFrequenciesOnTheRasterInsideTheBand) {
    struct Case {
        const char* typed;
        int step;
        const char* stored;
    };
    const Case cases[] = {
        {"435", 4, "435.00000"},
        {"435.", 4, "435.00000"},
        {"435.1234", 4, "435.12500"},
        {"435.0062", 4, "435.00625"},
        // The next 5 kHz point comes before the next 6.25 kHz point, and the other way.
        {"435.0001", 4, "435.00500"},
        {"435.0051", 4, "435.00625"},
        // Digits below 100 Hz are cut before rounding up.
        {"435.00009", 4, "435.00000"},
        {"390", 4, "400.00000"},
        {"399.9", 4, "400.00000"},
        {"470", 4, "470.00000"},
        {"480", 4, "469.97500"},
        {"4351", 4, "469.97500"},
        {"0435", 4, "435.00000"},
        {"99999999999999999999", 4, "469.97500"},
        {"470.001", 4, "469.97500"},
        {"470.001", 0, "469.99500"},
        {"480", 1, "469.99375"},
        {"480", 3, "469.98750"},
        // Above the limit by less than the editor's 100 Hz is still above it.
        {"470.00001", 4, "469.97500"},
        // An index the step list does not hold counts as the default, 25 kHz.
        {"480", 9, "469.97500"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(normalize(c.typed, c.step), c.stored) << c.typed << " at step " << c.step;
    }
}

TEST(FrequencyNormalization, RoundsNothingFrom550MHzOn) {
    EXPECT_EQ(normalize("555.1234", 4, "500-600MHz"), "555.12340");
    EXPECT_EQ(normalize("550.0001", 4, "500-600MHz"), "550.00010");
    EXPECT_EQ(normalize("549.9999", 4, "500-600MHz"), "550.00000");
}

TEST(FrequencyNormalization, ReadsOnlyDigitsWithOnePoint) {
    for (const char* text : {"", ".5", "4a5", "435.1.2", " 435", "-435", "435e1"}) {
        EXPECT_FALSE(parseFrequency(text)) << text;
    }
}

TEST(FrequencyNormalization, NormalizesTheCellAgainstTheActiveBand) {
    model::Codeplug codeplug = test::editingCodeplug();
    auto& rxFreq = codeplug.channels.row(3)[ChannelField::RxFreq];
    rxFreq = "435";
    codeplug.settings.setChoice(model::Option::Band, 0);
    EXPECT_FALSE(normalizeFrequency(codeplug, 3, ChannelField::RxFreq));
    EXPECT_EQ(rxFreq, "173.97500");

    codeplug.settings.setChoice(model::Option::Band, 1);
    EXPECT_FALSE(normalizeFrequency(codeplug, 3, ChannelField::RxFreq));
    EXPECT_EQ(rxFreq, "400.00000");
}

TEST(FrequencyNormalization, AnUnreadableBandOrFrequencyLeavesTheCellAsTyped) {
    model::Codeplug codeplug = test::editingCodeplug();
    auto& rxFreq = codeplug.channels.row(1)[ChannelField::RxFreq];
    rxFreq = "435.1";
    codeplug.bands[model::BandListId::BAND_Rx] = {{"4OO-470MHz"}, 0};
    EXPECT_EQ(normalizeFrequency(codeplug, 1, ChannelField::RxFreq),
              (EditError{EditError::Kind::UnreadableBand, "4OO-470MHz"}));
    codeplug.bands[model::BandListId::BAND_Rx].selected = -1;
    EXPECT_EQ(normalizeFrequency(codeplug, 1, ChannelField::RxFreq),
              (EditError{EditError::Kind::UnreadableBand, ""}));
    EXPECT_EQ(rxFreq, "435.1");

    codeplug = test::editingCodeplug();
    codeplug.channels.row(1)[ChannelField::RxFreq] = "43x";
    EXPECT_EQ(normalizeFrequency(codeplug, 1, ChannelField::RxFreq),
              (EditError{EditError::Kind::UnreadableFrequency, "43x"}));
}

}  // namespace
}  // namespace hm3300::editor

#pragma once
// A document, the fake radio on its bench, and a run between them that records the gauge.

#include <gtest/gtest.h>

#include <string_view>
#include <utility>
#include <vector>

#include "fake_radio.h"
#include "link/programming_run.h"
#include "test_codeplugs.h"

namespace hm3300::link::testing {

inline constexpr std::string_view kHandshakeFrame = "02054B6F70726140";
inline constexpr std::string_view kEndFrame = "64016F0A";

class RunFixture : public ::testing::Test {
protected:
    RunFixture() { document.bands = radioBands(); }

    RunOutcome run(RunMode mode) {
        ProgrammingRun run(bench.link, document, valueTexts(), [this](int value, int maximum) {
            gauge.push_back({value, maximum});
        });
        run.chooseStartChannel();
        RunOutcome outcome = run.run(mode);
        progressCount = run.ProgressCount();
        return outcome;
    }

    // The gauge values shown, without the maxima.
    std::vector<int> gaugeValues() const {
        std::vector<int> values;
        for (const auto& shown : gauge) {
            values.push_back(shown.first);
        }
        return values;
    }

    Bench bench;
    model::Codeplug document;
    std::vector<std::pair<int, int>> gauge;
    int progressCount = 0;
};

}  // namespace hm3300::link::testing

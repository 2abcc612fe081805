#pragma once
// A document, the fake radio as the only serial device, and a radio session between them
// that records the gauge.

#include <gtest/gtest.h>

#include <string_view>
#include <utility>
#include <vector>

#include "fake_radio.h"
#include "link/radio_session.h"
#include "test_codeplugs.h"

namespace hm3300::link::testing {

inline constexpr std::string_view kHandshakeFrame = "02054B6F70726140";
inline constexpr std::string_view kEndFrame = "64016F0A";

struct SessionBench {
    FakeRadio radio;
    FakeWaiter waiter{radio};
    FakePorts ports{radio};
};

class RunFixture : public ::testing::Test {
protected:
    RunFixture() { document.bands = radioBands(); }

    // Opens a session on the fake radio of the fixture's bench, runs once and closes it.
    RunOutcome run(RunMode mode) { return runOn(bench, mode); }

    // The same on another bench, over the same document.
    RunOutcome runOn(SessionBench& radio, RunMode mode) {
        RadioSession session(radio.ports, radio.waiter, document, valueTexts());
        session.setTrace(trace);
        session.setStopRequest(stopRequest);
        RunOutcome outcome = session.open(mode, options);
        if (outcome.ok()) {
            outcome = session.run([this](int value, int maximum) {
                gauge.push_back({value, maximum});
            });
        }
        progressCount = outcome.progressCount;
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

    SessionBench bench;
    model::Codeplug document;
    SessionOptions options{"/dev/ttyFAKE", false};
    LinkTrace* trace = nullptr;
    std::function<bool()> stopRequest;
    std::vector<std::pair<int, int>> gauge;
    int progressCount = 0;
};

}  // namespace hm3300::link::testing

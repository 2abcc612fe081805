#pragma once
// The state one programming run shares with its read or write procedure: the link, the
// document, linkOk, progressCount and retryCount, and the first failure.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "link/exchange.h"
#include "link/run_outcome.h"
#include "link/serial_link.h"
#include "model/codeplug.h"
#include "model/message.h"
#include "model/value_texts.h"

namespace hm3300::link {

// The gauge: value and maximum.
using ProgressCallback = std::function<void(int value, int maximum)>;

// Refusals a channel slot or call block may get before the run fails.
inline constexpr int kRetryCount = 2;

class RunContext {
public:
    RunContext(SerialLink& link, model::Codeplug& document, const model::ValueTexts& texts,
               int gaugeMaximum, ProgressCallback progress);

    SerialLink& link;
    model::Codeplug& document;
    const model::ValueTexts& texts;

    bool linkOk = false;
    int progressCount = 0;
    int retryCount = kRetryCount;

    // Sends with `send` again after each refusal while retryCount lasts; retryCount is
    // set back once the block is accepted.
    template <typename Send>
    Reply withRetries(Send send) {
        for (;;) {
            Reply reply = send();
            if (reply.accepted()) {
                retryCount = kRetryCount;
                return reply;
            }
            if (--retryCount == 0) {
                return reply;
            }
        }
    }

    // Reads a block that gets no second chance: the run fails at the first refusal, and the
    // result is empty.
    std::optional<HexText> readOnce(const model::Message& step, std::uint16_t address);

    void progressStep();
    void gaugeFull();
    void showGauge(int value);

    // linkOk := false; the first failure of a run is the one reported. A failure after the
    // user asked the link to stop is reported as the interruption.
    void fail(const model::Message& step, Verdict verdict);
    void fail(const model::Message& step, model::Message description,
              RunFailure kind = RunFailure::LinkFailed);

    RunOutcome outcome() const;

private:
    int gaugeMaximum_;
    ProgressCallback progress_;
    std::optional<RunOutcome> failure_;
};

// Step names of the blocks.
model::Message channelSlotStep(int channel);
model::Message nameSlotStep(int channel);
model::Message callBlockStep(int block);
model::Message clearedBlockStep(int block);

}  // namespace hm3300::link

#include "link/programming_run.h"

#include <optional>

#include "codec/frequency_codec.h"
#include "codec/write_check.h"
#include "link/frame.h"
#include "link/read_procedure.h"
#include "link/write_procedure.h"

namespace hm3300::link {

namespace {

constexpr std::string_view kNoStartChannel = "FF";

// The first channel whose receive frequency lies in the active band's receive range. A band
// text without three-digit limits holds no channel.
std::optional<int> firstChannelInActiveBand(const model::Codeplug& document) {
    const auto range = model::parseBandRange(model::activeReceiveBand(document).selectedText());
    if (!range) {
        return std::nullopt;
    }
    for (int channel = 1; channel <= model::ChannelTable::kRows; ++channel) {
        const auto frequency =
            codec::frequencyMHz(document.channels.row(channel)[model::ChannelField::RxFreq]);
        if (frequency && range->lower <= *frequency && *frequency < range->upper) {
            return channel;
        }
    }
    return std::nullopt;
}

RunOutcome refusedWrite(std::vector<codec::WriteProblem> problems) {
    RunOutcome outcome;
    outcome.ok = false;
    outcome.step = "write check";
    outcome.received = "nothing";
    outcome.description =
        "the codeplug cannot be written, nothing was sent: " + std::to_string(problems.size()) +
        " problem" + (problems.size() == 1 ? "" : "s") + ", the first " +
        problems.front().toString();
    outcome.problems = std::move(problems);
    return outcome;
}

}  // namespace

int gaugeMaximum(RunMode mode) {
    return mode == RunMode::Read ? kReadGaugeMaximum : kWriteGaugeMaximum;
}

ProgrammingRun::ProgrammingRun(SerialLink& link, model::Codeplug& document,
                               const model::ValueTexts& texts, ProgressCallback progress)
    : link_(link), document_(document), texts_(texts), progress_(std::move(progress)) {}

void ProgrammingRun::chooseStartChannel() {
    const auto channel = firstChannelInActiveBand(document_);
    if (channel) {
        startChannel_ = codec::hexByte(static_cast<unsigned>(*channel));
        return;
    }
    startChannel_ = kNoStartChannel;
    document_.settings.setChoice(model::Option::VFO_MR, 1);
    document_.settings.setChoice(model::Option::MR_freq_MR_CH, 1);
}

RunOutcome ProgrammingRun::run(RunMode mode) {
    if (mode == RunMode::Write) {
        auto problems = codec::checkWritable(document_, texts_);
        if (!problems.empty()) {
            return refusedWrite(std::move(problems));
        }
    }
    RunContext run(link_, document_, texts_, gaugeMaximum(mode), progress_);
    run.showGauge(0);
    if (resetPort()) {
        handshake(run);
        if (run.LinkOk) {
            waitReady(run);
        }
        if (run.LinkOk) {
            mode == RunMode::Read ? readRadio(run) : writeRadio(run, startChannel_);
        }
        // Always, also after a failed handshake, so the radio leaves programming mode; the
        // reply is not examined.
        link_.sendAndWait(kEndRequest, kHandshakeWaitMs);
    } else {
        run.fail("port", "the serial port could not be opened again");
    }
    progressCount_ = run.ProgressCount;
    return run.outcome();
}

bool ProgrammingRun::resetPort() {
    link_.port().setOpen(false);
    link_.waiter().wait(kPortResetWaitMs);
    const bool open = link_.port().setOpen(true);
    link_.waiter().wait(kPortResetWaitMs);
    return open;
}

void ProgrammingRun::handshake(RunContext& run) {
    for (int attempt = 0; attempt < kHandshakeAttempts; ++attempt) {
        link_.sendAndWait(kHandshakeRequest, kHandshakeWaitMs);
        if (link_.RxBuffer() == kIdentificationReply) {
            run.LinkOk = true;
            return;
        }
    }
    run.fail("handshake", link_.RxBuffer().empty() ? "the radio did not answer"
                                                   : "the radio did not identify itself");
}

void ProgrammingRun::waitReady(RunContext& run) {
    const Reply reply = waitUntilReady(link_);
    if (!reply.accepted()) {
        run.fail("ready", reply.verdict);
    }
}

}  // namespace hm3300::link

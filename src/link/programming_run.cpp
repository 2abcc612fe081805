#include "link/programming_run.h"

#include <optional>

#include "codec/frequency_codec.h"
#include "link/frame.h"
#include "link/read_procedure.h"
#include "link/write_procedure.h"
#include "model/text_ids.h"

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

void handshake(RunContext& run) {
    for (int attempt = 0; attempt < kHandshakeAttempts; ++attempt) {
        run.link.sendAndWait(kHandshakeRequest, kHandshakeWaitMs);
        if (run.link.rxBuffer() == kIdentificationReply) {
            run.linkOk = true;
            return;
        }
    }
    run.fail(model::Message(model::TextId::HandshakeStep),
             model::Message(run.link.rxBuffer().empty() ? model::TextId::RadioSilent
                                                        : model::TextId::RadioUnidentified));
}

void waitReady(RunContext& run) {
    const Reply reply = waitUntilReady(run.link);
    if (!reply.accepted()) {
        run.fail(model::Message(model::TextId::ReadyStep), reply.verdict);
    }
}

}  // namespace

int gaugeMaximum(RunMode mode) {
    return mode == RunMode::Read ? kReadGaugeMaximum : kWriteGaugeMaximum;
}

std::string chooseStartChannel(model::Codeplug& document) {
    if (const auto channel = firstChannelInActiveBand(document)) {
        return codec::hexByte(static_cast<unsigned>(*channel));
    }
    document.settings.setChoice(model::Option::VFO_MR, 1);
    document.settings.setChoice(model::Option::MR_freq_MR_CH, 1);
    return std::string(kNoStartChannel);
}

RunOutcome runProgramming(SerialLink& link, RunMode mode, model::Codeplug& document,
                          const model::ValueTexts& texts, std::string_view startChannel,
                          const ProgressCallback& progress) {
    RunContext run(link, document, texts, gaugeMaximum(mode), progress);
    run.showGauge(0);
    if (!link.resetPort(kPortResetWaitMs)) {
        run.fail(model::Message(model::TextId::PortStep),
                 model::Message(model::TextId::PortNotReopened), RunFailure::PortUnavailable);
        return run.outcome();
    }
    handshake(run);
    if (run.linkOk) {
        waitReady(run);
    }
    if (run.linkOk) {
        mode == RunMode::Read ? readRadio(run) : writeRadio(run, startChannel);
    }
    // Always, also after a failed handshake or a stop, so the radio leaves programming
    // mode; the reply is not examined.
    link.sendFinal(kEndRequest, kHandshakeWaitMs);
    return run.outcome();
}

}  // namespace hm3300::link

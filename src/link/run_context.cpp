#include "link/run_context.h"

#include <algorithm>
#include <cassert>

#include "link/memory_map.h"
#include "model/text_ids.h"

namespace hm3300::link {

namespace TextId = model::TextId;

RunContext::RunContext(SerialLink& link, model::Codeplug& document, const model::ValueTexts& texts,
                       int gaugeMaximum, ProgressCallback progress)
    : link(link),
      document(document),
      texts(texts),
      gaugeMaximum_(gaugeMaximum),
      progress_(std::move(progress)) {}

std::optional<HexText> RunContext::readOnce(const model::Message& step, std::uint16_t address) {
    Reply reply = readBlock(link, address, kBlockSize);
    if (!reply.accepted()) {
        fail(step, reply.verdict);
        return std::nullopt;
    }
    return std::move(reply.data);
}

void RunContext::progressStep() {
    showGauge(++progressCount);
}

void RunContext::gaugeFull() {
    showGauge(gaugeMaximum_);
}

void RunContext::showGauge(int value) {
    if (progress_) {
        progress_(std::min(value, gaugeMaximum_), gaugeMaximum_);
    }
}

void RunContext::fail(const model::Message& step, Verdict verdict) {
    fail(step, describeRefusal(verdict, link.rxBuffer()));
}

void RunContext::fail(const model::Message& step, model::Message description, RunFailure kind) {
    linkOk = false;
    if (failure_) {
        return;
    }
    RunOutcome failure;
    failure.step = step;
    if (link.stopped()) {
        failure.failure = RunFailure::Interrupted;
        failure.description = {TextId::InterruptedAt, {step}};
    } else {
        failure.failure = kind;
        failure.received = link.rxBuffer();
        const model::Message received =
            failure.received.empty() ? model::Message(TextId::Nothing) : failure.received;
        failure.description = {TextId::StepFailed, {step, std::move(description), received}};
    }
    failure_ = std::move(failure);
}

RunOutcome RunContext::outcome() const {
    RunOutcome outcome;
    if (!linkOk) {
        // Every phase that leaves linkOk false says why through fail().
        assert(failure_);
        outcome = *failure_;
    }
    outcome.progressCount = progressCount;
    return outcome;
}

model::Message channelSlotStep(int channel) {
    return {TextId::ChannelSlotStep, {std::to_string(channel)}};
}
model::Message nameSlotStep(int channel) {
    return {TextId::AliasStep, {std::to_string(channel)}};
}
model::Message callBlockStep(int block) {
    return {TextId::CallBlockStep, {std::to_string(block)}};
}
model::Message clearedBlockStep(int block) {
    return {TextId::ClearedBlockStep, {std::to_string(block)}};
}

}  // namespace hm3300::link

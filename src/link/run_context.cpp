#include "link/run_context.h"

#include <algorithm>
#include <cassert>

#include "link/memory_map.h"

namespace hm3300::link {

namespace {

std::string receivedText(const HexText& rxBuffer) {
    return rxBuffer.empty() ? "nothing" : rxBuffer;
}

}  // namespace

RunContext::RunContext(SerialLink& link, model::Codeplug& document, const model::ValueTexts& texts,
                       int gaugeMaximum, ProgressCallback progress)
    : link(link),
      document(document),
      texts(texts),
      gaugeMaximum_(gaugeMaximum),
      progress_(std::move(progress)) {}

std::optional<HexText> RunContext::readOnce(std::string_view step, std::uint16_t address) {
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

void RunContext::fail(std::string_view step, Verdict verdict) {
    fail(step, describeRefusal(verdict, link.rxBuffer()));
}

void RunContext::fail(std::string_view step, std::string description, RunFailure kind) {
    linkOk = false;
    if (failure_) {
        return;
    }
    RunOutcome failure;
    failure.step = step;
    if (link.stopped()) {
        failure.failure = RunFailure::Interrupted;
        failure.received = "nothing";
        failure.description = "interrupted at the " + failure.step;
    } else {
        failure.failure = kind;
        failure.received = receivedText(link.rxBuffer());
        failure.description =
            failure.step + " failed: " + description + " (received " + failure.received + ")";
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

std::string channelSlotStep(int channel) {
    return "channel " + std::to_string(channel) + " slot";
}
std::string nameSlotStep(int channel) {
    return "alias of channel " + std::to_string(channel);
}
std::string callBlockStep(int block) {
    return "call block " + std::to_string(block);
}
std::string clearedBlockStep(int block) {
    return "cleared block " + std::to_string(block);
}

}  // namespace hm3300::link

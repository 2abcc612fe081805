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
    showGauge(++ProgressCount);
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
    fail(step, describeRefusal(verdict, link.RxBuffer()));
}

void RunContext::fail(std::string_view step, std::string description) {
    LinkOk = false;
    if (failure_) {
        return;
    }
    RunOutcome failure;
    failure.ok = false;
    failure.step = step;
    failure.received = receivedText(link.RxBuffer());
    failure.description =
        failure.step + " failed: " + description + " (received " + failure.received + ")";
    failure_ = std::move(failure);
}

RunOutcome RunContext::outcome() const {
    if (LinkOk) {
        return {};
    }
    // Every phase that leaves LinkOk false says why through fail().
    assert(failure_);
    return *failure_;
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

#include "link/write_procedure.h"

#include "codec/channel_slot.h"
#include "link/blocks.h"
#include "link/memory_map.h"
#include "model/text_ids.h"

namespace hm3300::link {

namespace {

using model::ChannelField;
namespace TextId = model::TextId;
using model::Option;

// Band 1's receive upper limit reads "FFF" when the radio's band block is erased; such a
// radio is not written.
constexpr std::string_view kErasedLimit = "FFF";

bool bandCheck(RunContext& run) {
    const model::Message bandBlock(TextId::BandBlockStep);
    const auto data = run.readOnce(bandBlock, kBandBlockAddress);
    if (!data) {
        return false;
    }
    if (data->starts_with(kErasedLimit)) {
        run.fail(bandBlock, model::Message(TextId::BandBlockErased));
        return false;
    }
    return true;
}

// A refused block clears linkOk but does not stop the caller's loop.
void writeOnce(RunContext& run, const model::Message& step, std::uint16_t address,
               std::string_view data) {
    const Reply reply = writeBlock(run.link, address, data);
    if (!reply.accepted()) {
        run.fail(step, reply.verdict);
    }
}

// A refused channel slot ends the channel loop; a refused alias does not, so every
// channel and alias is still written, and the failure counts after channel 128.
void writeChannels(RunContext& run) {
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        const model::Channel& row = run.document.channels.row(channel);
        const HexText slot = codec::encodeChannelSlot(row, run.texts);
        const Reply reply = run.withRetries(
            [&] { return writeBlock(run.link, channelSlotAddress(channel), slot); });
        if (!reply.accepted()) {
            run.fail(channelSlotStep(channel), reply.verdict);
            return;
        }
        run.progressStep();
        writeOnce(run, nameSlotStep(channel), nameSlotAddress(channel),
                  codec::encodeNameSlot(row[ChannelField::Alias]));
    }
}

}  // namespace

void writeRadio(RunContext& run, std::string_view startChannel) {
    const model::RadioSettings& settings = run.document.settings;
    if (!bandCheck(run)) {
        return;
    }
    writeChannels(run);
    if (!run.linkOk) {
        return;
    }
    writeOnce(run, model::Message(TextId::OptionBlockStep), kOptionBlockAddress,
              encodeOptionBlock(settings, startChannel));
    run.progressStep();
    if (!run.linkOk) {
        return;
    }
    writeOnce(run, model::Message(TextId::DtmfBlockStep), kDtmfBlockAddress,
              encodeDtmfBlock(settings));
    run.progressStep();
    if (!run.linkOk) {
        return;
    }
    // Once started, all call blocks and all cleared blocks are sent.
    for (int block = 0; block < kCallBlockCount; ++block) {
        writeOnce(run, callBlockStep(block), callBlockAddress(block),
                  encodeCallBlock(block, settings));
        run.progressStep();
    }
    if (!run.linkOk) {
        return;
    }
    for (int block = 0; block < kClearedBlockCount; ++block) {
        writeOnce(run, clearedBlockStep(block), clearedBlockAddress(block), encodeClearedBlock());
        run.progressStep();
    }
    if (run.linkOk && settings.flag(Option::ChangePassword)) {
        writeOnce(run, model::Message(TextId::PasswordBlockStep), kPasswordBlockAddress,
                  encodePasswordBlock(settings));
        run.progressStep();
    }
    if (!run.linkOk) {
        return;
    }
    writeOnce(run, model::Message(TextId::IdBlockStep), kIdBlockAddress, encodeIdBlock(settings));
    run.progressStep();
    if (!run.linkOk) {
        return;
    }
    writeOnce(run, model::Message(TextId::CodeBlockStep), kCodeBlockAddress,
              encodeCodeBlock(settings));
    run.gaugeFull();
}

}  // namespace hm3300::link

#include "link/read_procedure.h"

#include "codec/channel_slot.h"
#include "link/blocks.h"
#include "link/memory_map.h"
#include "model/text_ids.h"

namespace hm3300::link {

namespace {

using model::ChannelField;
namespace TextId = model::TextId;

constexpr std::string_view kErasedBand = "FFF-FFFMHz";

// A block read once, refused at the first unexpected reply, decoded into the settings.
struct SettingsBlock {
    int step;  // the text id of its name
    std::uint16_t address;
    void (*decode)(std::string_view data, model::RadioSettings& settings);
};

constexpr SettingsBlock kOptionBlock{TextId::OptionBlockStep, kOptionBlockAddress,
                                     decodeOptionBlock};
constexpr SettingsBlock kDtmfBlock{TextId::DtmfBlockStep, kDtmfBlockAddress, decodeDtmfBlock};
constexpr SettingsBlock kCodeBlock{TextId::CodeBlockStep, kCodeBlockAddress, decodeCodeBlock};
constexpr SettingsBlock kPasswordBlock{TextId::PasswordBlockStep, kPasswordBlockAddress,
                                       decodePasswordBlock};
constexpr SettingsBlock kIdBlock{TextId::IdBlockStep, kIdBlockAddress, decodeIdBlock};

bool readSettingsBlock(RunContext& run, const SettingsBlock& block) {
    const auto data = run.readOnce(model::Message(block.step), block.address);
    if (data) {
        block.decode(*data, run.document.settings);
    }
    return data.has_value();
}

// An erased band block leaves the workstation's band lists as they are.
void takeBands(RunContext& run, std::string_view data) {
    const auto ranges = decodeBandBlock(data);
    if (ranges[0] == kErasedBand) {
        return;
    }
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        model::selectOrAddBand(run.document.bands[model::kBandListIds[i]], ranges[i]);
    }
}

bool readChannel(RunContext& run, int channel) {
    model::Channel& row = run.document.channels.row(channel);
    const Reply slot = run.withRetries([&] {
        row.clearAllButVoiceMode();
        return readBlock(run.link, channelSlotAddress(channel), kBlockSize);
    });
    if (!slot.accepted()) {
        run.fail(channelSlotStep(channel), slot.verdict);
        return false;
    }
    codec::decodeChannelSlot(row, slot.data, run.texts);
    run.progressStep();

    const Reply name = readBlock(run.link, nameSlotAddress(channel), kNameSlotSize);
    if (!name.accepted()) {
        run.fail(nameSlotStep(channel), name.verdict);
        return false;
    }
    row[ChannelField::Alias] = codec::decodeNameSlot(name.data);
    return true;
}

bool readCallBlock(RunContext& run, int block) {
    const Reply reply =
        run.withRetries([&] { return readBlock(run.link, callBlockAddress(block), kBlockSize); });
    if (!reply.accepted()) {
        run.fail(callBlockStep(block), reply.verdict);
        return false;
    }
    decodeCallBlock(block, reply.data, run.document.settings);
    run.progressStep();
    return true;
}

}  // namespace

void readRadio(RunContext& run) {
    const auto bands = run.readOnce(model::Message(TextId::BandBlockStep), kBandBlockAddress);
    if (!bands) {
        return;
    }
    takeBands(run, *bands);
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        if (!readChannel(run, channel)) {
            return;
        }
    }
    for (const SettingsBlock* block : {&kOptionBlock, &kDtmfBlock}) {
        if (!readSettingsBlock(run, *block)) {
            return;
        }
        run.progressStep();
    }
    for (int block = 0; block < kCallBlockCount; ++block) {
        if (!readCallBlock(run, block)) {
            return;
        }
    }
    for (const SettingsBlock* block : {&kCodeBlock, &kPasswordBlock}) {
        if (!readSettingsBlock(run, *block)) {
            return;
        }
        run.progressStep();
    }
    if (readSettingsBlock(run, kIdBlock)) {
        run.gaugeFull();
    }
}

}  // namespace hm3300::link

#include "editor/option_dependencies.h"

namespace hm3300::editor {

using model::Option;

namespace {

constexpr int kVfoMode = 1;        // VFO/MR: 0 "MR", 1 "VFO"
constexpr int kShowFrequency = 1;  // MR freq./MR CH: 0 "MR CH", 1 "MR freq."
constexpr int kBandOne = 1;        // Band: 0 band 2, 1 band 1
constexpr int kPttIdAtStart = 0;   // PTT ID: 0 at start, 1 at end, 2 both
constexpr int kPttIdAtEnd = 1;

}  // namespace

bool applyWorkingModeChange(model::RadioSettings& settings) {
    if (!memoryDisplayEditable(settings)) {
        settings.setChoice(Option::MR_freq_MR_CH, kShowFrequency);
    }
    return memoryDisplayEditable(settings);
}

bool memoryDisplayEditable(const model::RadioSettings& settings) {
    return settings.choice(Option::VFO_MR) != kVfoMode;
}

bool applyExpandedBandSet(model::RadioSettings& settings) {
    if (!bandEditable(settings)) {
        settings.setChoice(Option::Band, kBandOne);
    }
    return bandEditable(settings);
}

bool bandEditable(const model::RadioSettings& settings) {
    return settings.flag(Option::Exp_Freq);
}

PttIdCodes editablePttIdCodes(int pttIdType) {
    return {pttIdType != kPttIdAtEnd, pttIdType != kPttIdAtStart};
}

bool stunControlsEditable(const model::RadioSettings& settings) {
    return settings.flag(Option::Stun);
}

bool passwordEditable(const model::RadioSettings& settings) {
    return settings.flag(Option::ChangePassword);
}

}  // namespace hm3300::editor

#pragma once
// The 128 channel memories, numbered 1 to 128 like the radio's channels.

#include <array>
#include <string>

#include "model/channel.h"

namespace hm3300::model {

class ChannelTable {
public:
    static constexpr int kRows = 128;

    Channel& row(int number);
    const Channel& row(int number) const;

    // "001" ... "128"
    static std::string rowLabel(int number);

    void clearAll();
    // How many rows hold a channel.
    int channelCount() const;
    // The language switch: every recognised value text becomes the text of `texts`.
    void convertValueTexts(const ValueTexts& texts);
    // Single-head operation: the radio cannot use VOX, so every Vox that is the current
    // OnText becomes OffText; other texts stay. Returns whether any channel changed.
    // Nothing changes while no language has set the value texts.
    bool turnVoxOff(const ValueTexts& texts);

    bool operator==(const ChannelTable&) const = default;

private:
    std::array<Channel, kRows> rows_;
};

}  // namespace hm3300::model

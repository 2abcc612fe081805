#include "model/channel_table.h"

#include <algorithm>
#include <cassert>
#include <cstdio>

namespace hm3300::model {

Channel& ChannelTable::row(int number) {
    assert(number >= 1 && number <= kRows);
    return rows_[static_cast<std::size_t>(number - 1)];
}

const Channel& ChannelTable::row(int number) const {
    assert(number >= 1 && number <= kRows);
    return rows_[static_cast<std::size_t>(number - 1)];
}

std::string ChannelTable::rowLabel(int number) {
    char label[8];
    std::snprintf(label, sizeof label, "%03d", number);
    return label;
}

int ChannelTable::channelCount() const {
    return static_cast<int>(
        std::count_if(rows_.begin(), rows_.end(), [](const Channel& row) { return row.exists(); }));
}

void ChannelTable::clearAll() {
    for (Channel& channel : rows_) {
        channel.clear();
    }
}

void ChannelTable::convertValueTexts(const ValueTexts& texts) {
    for (Channel& channel : rows_) {
        channel.convertValueTexts(texts);
    }
}

bool ChannelTable::turnVoxOff(const ValueTexts& texts) {
    if (texts.OnText.empty()) {
        return false;
    }
    bool changed = false;
    for (Channel& channel : rows_) {
        std::string& vox = channel[ChannelField::Vox];
        if (vox == texts.OnText) {
            vox = texts.OffText;
            changed = true;
        }
    }
    return changed;
}

}  // namespace hm3300::model

#include "editor/single_head.h"

namespace hm3300::editor {

bool ForceVoxOff(model::ChannelTable& channels, const model::ValueTexts& texts) {
    if (texts.OnText.empty()) {
        return false;
    }
    bool changed = false;
    for (int number = 1; number <= model::ChannelTable::kRows; ++number) {
        std::string& vox = channels.row(number)[model::ChannelField::Vox];
        if (vox == texts.OnText) {
            vox = texts.OffText;
            changed = true;
        }
    }
    return changed;
}

}  // namespace hm3300::editor

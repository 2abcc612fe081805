#include "editor/band_caption.h"

namespace hm3300::editor {

std::string bandCaption(const model::BandLists& bands) {
    return "HM-3300D    [" + bands[model::BandListId::BAND_Rx].selectedText() + "]";
}

bool renewsBandCaption(model::BandListId list) {
    return list != model::BandListId::BAND_Tx;
}

}  // namespace hm3300::editor

#pragma once
// The main window caption that follows the band choice: "HM-3300D    [<BAND_Rx text>]".

#include <string>

#include "model/band_list.h"

namespace hm3300::editor {

// Whichever list the operator changed, the caption names the band 1 receive range.
std::string bandCaption(const model::BandLists& bands);

// Whether an operator change of `list` renews the caption (all but BAND_Tx do).
bool renewsBandCaption(model::BandListId list);

}  // namespace hm3300::editor

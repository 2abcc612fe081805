#include "model/codeplug.h"

namespace hm3300::model {

const BandList& activeReceiveBand(const Codeplug& codeplug) {
    return codeplug.settings.choice(Option::Band) == 1 ? codeplug.bands[BandListId::BAND_Rx]
                                                       : codeplug.bands[BandListId::BAND_Rx1];
}

}  // namespace hm3300::model

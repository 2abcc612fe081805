#include "app/caption_table.h"

#include "app/pack_text.h"

namespace hm3300::app {

void CaptionTable::add(int id, const QString& builtin, Setter setText) {
    setText(builtin);
    places_.push_back({id, std::move(setText)});
}

void CaptionTable::apply(const model::LanguagePack& pack) const {
    for (const Place& place : places_) {
        // Pack texts double as menu items; a caption has no use for their accelerator.
        place.setText(captionText(pack, place.id));
    }
}

}  // namespace hm3300::app

#pragma once
// The language a codeplug file's words are written in: its channels' value words (on/off,
// power, bandwidth, voice mode) and the item texts of its settings lines. A file whose
// channels are all empty still tells by its settings lines ("4分钟", "4min").

#include <optional>
#include <string>

#include "model/language_pack.h"

namespace hm3300::cli {

// The language whose save of the file reproduces most of its lines, the packs taken from
// `packFolder`; on a tie the first of Chinese, English, traditional Chinese. Nothing when
// the file cannot be read as a codeplug file (opening it says why).
std::optional<model::Language> fileLanguage(const std::string& path, const std::string& packFolder);

}  // namespace hm3300::cli

#pragma once
// The fixed line sequence of a codeplug file, shared by the writer and the reader: the
// header, two empty lines, the band lines, the option lines in option order with an empty
// line before "Digit Time", two empty lines, then one line per channel.

#include <cstddef>
#include <span>
#include <string_view>

#include "model/band_list.h"
#include "model/channel_table.h"
#include "model/radio_settings.h"

namespace hm3300::file {

inline constexpr std::string_view kHeader = "HM-3300 MEMORY CHANNEL";
inline constexpr int kFirstChannelLine = 60;
inline constexpr int kLineCount = kFirstChannelLine - 1 + model::ChannelTable::kRows;
// 1-based character where the first field of a channel line starts, after "CH001 | ".
inline constexpr std::size_t kFirstFieldPosition = 9;

struct LayoutLine {
    enum class Kind { Header, Empty, Band, Option };
    Kind kind;
    model::BandListId band{};  // Band lines
    model::Option option{};    // Option lines

    // The key of a band or option line, e.g. "BAND_Rx" or "Key Lock".
    std::string_view key() const;
    // 1-based character where the value starts: after the key and its blank.
    std::size_t valuePosition() const { return key().size() + 2; }
};

// Lines 1 to kFirstChannelLine - 1; element 0 is line 1.
std::span<const LayoutLine> settingsLayout();

// The 1-based line holding the byte at `offset` of a file's text, for messages.
std::size_t lineNumberAt(std::string_view text, std::size_t offset);

}  // namespace hm3300::file

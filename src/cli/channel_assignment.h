#pragma once
// The channel edits of `set` and `clear`: FIELD=VALUE words applied to one channel by the
// rules the window's channel editor follows (editor/), so that a script gets exactly the
// channel an operator typing the same values would get.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/codeplug.h"
#include "model/value_texts.h"

namespace hm3300::cli {

// "1" ... "128" (leading zeros allowed).
std::optional<int> parseChannelNumber(std::string_view word);
// What a channel number may be, for messages.
inline constexpr std::string_view kChannelNumbers = "a channel number from 1 to 128";

struct AssignmentError {
    enum class Kind {
        Usage,       // an unknown field or value, or a field of a channel that does not exist
        Unreadable,  // the file's band or a frequency in it cannot be read as numbers
    };
    Kind kind;
    std::string message;
};

// Applies the FIELD=VALUE `words` to channel `number`: `rx` first, so that it can create
// the channel the other fields belong to, then the others in their order. Value words of
// any language are taken; the channel holds those of `texts`. On an error the codeplug may
// be half edited and must not be saved.
std::optional<AssignmentError> assignChannelFields(model::Codeplug& codeplug,
                                                   const model::ValueTexts& texts, int number,
                                                   const std::vector<std::string>& words);

}  // namespace hm3300::cli

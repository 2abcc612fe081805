#pragma once
// Single values of a channel row: words match in any case, blanks around a value do not
// count, and frequencies are MHz with six decimals.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hm3300::csv {

// Equal apart from the case of ASCII letters and blanks or tabs around `text`.
bool sameWord(std::string_view text, std::string_view word);

// `text` without blanks and tabs around it.
std::string_view trimmed(std::string_view text);

// "435.125000" for 435125000; a minus sign before a negative count.
std::string megahertzText(std::int64_t hertz);

// The count of hertz of a decimal MHz text ("435.00625"); digits below 1 Hz are cut.
std::optional<std::int64_t> hertzOf(std::string_view megahertz);

}  // namespace hm3300::csv

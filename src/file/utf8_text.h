#pragma once
// Character positions in UTF-8 text. The codeplug file places its values by character, and
// a Chinese character is one character whatever its byte length.

#include <cstddef>
#include <string_view>

namespace hm3300::file {

// Byte offset of the first byte that breaks UTF-8 (stray continuation, overlong form,
// surrogate, beyond U+10FFFF, cut-off sequence); npos when `text` is valid UTF-8.
std::size_t invalidUtf8At(std::string_view text);

// The text from the 1-based character `position` on; empty when the text is shorter.
// `text` must be valid UTF-8, as must the results of the functions below.
std::string_view fromCharacter(std::string_view text, std::size_t position);

// At most the first `count` characters of `text`.
std::string_view firstCharacters(std::string_view text, std::size_t count);

// `text` without its last character; empty stays empty.
std::string_view withoutLastCharacter(std::string_view text);

}  // namespace hm3300::file

#pragma once
// The keys the frequency and alias editors admit, and the alias in the form the radio shows
// it. A dropped key is dropped silently; Backspace always passes.

#include <cstddef>
#include <string>
#include <string_view>

namespace hm3300::editor {

// The grid's frequency editor holds a normalised frequency and no more.
inline constexpr std::size_t kFrequencyEditorLength = 9;
inline constexpr std::size_t kAliasLength = 6;

// Digits always; "." only into a field that holds at least three characters and no "."
// yet, so that it follows the whole MHz.
bool frequencyKeyAccepted(std::string_view fieldText, char32_t key);

// Punctuation the radio cannot show and control characters are dropped; letters, digits,
// blank, "* + - . / _" and characters beyond ASCII pass.
bool aliasKeyAccepted(char32_t key);

// Letters in upper case, as the radio stores them.
std::string upperCaseAlias(std::string_view text);

// What of a pasted or dropped text the fields keep. A frequency keeps its digits and its
// first "." wherever the text is edited; an alias keeps what its keys let through,
// upper-cased and cut to six characters.
std::string filterFrequencyText(std::string_view text);
std::string filterAlias(std::string_view text);
// What filterAlias keeps before the cut to six characters, so that a cut can be told.
std::string aliasCharacters(std::string_view text);

}  // namespace hm3300::editor

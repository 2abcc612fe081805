#pragma once
// The rules of the option pages' text fields: which typed keys pass, how long a text may
// be, what Enter does, and the password that replaces a wrong-length entry.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "model/radio_settings.h"

namespace hm3300::editor {

inline constexpr char kBackspace = '\b';

// The character a typed key (a Unicode character) puts into a field of `charset`, or
// nothing when the key is dropped. Backspace always passes; DTMF fields turn "a"-"d" into
// "A"-"D".
std::optional<char> filterKey(model::TextCharset charset, char32_t key);

// `text` as if its characters had been typed one by one: dropped characters vanish.
std::string filterText(model::TextCharset charset, std::string_view text);

// What Enter does in a field: close the call list editor and return to the call list, or
// nothing at all.
enum class EnterKey { CloseCallEditor, Drop };

struct TextFieldRule {
    model::TextCharset charset;
    std::size_t maxLength;
    EnterKey enter;
};

// The rule of the field that edits the text option `option` (BOT, EOT, Call0-Call9,
// Private, Stun Code, Password).
TextFieldRule textFieldRule(model::Option option);

}  // namespace hm3300::editor

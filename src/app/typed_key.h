#pragma once
// What a key press means to the key filters of the option pages: Enter, or the character
// it types.

#include <optional>

class QKeyEvent;

namespace hm3300::app {

// A printable character or Backspace. Nothing for keys that type nothing in the filters'
// sense: Enter, navigation, Delete, Escape, Tab and Ctrl or Meta shortcuts (AltGr, which
// some platforms report as Ctrl+Alt, still types).
std::optional<char32_t> typedCharacter(const QKeyEvent& event);

// Return on the main keyboard or Enter on the keypad.
bool isEnterKey(const QKeyEvent& event);

}  // namespace hm3300::app

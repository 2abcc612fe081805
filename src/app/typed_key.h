#pragma once
// The character a key press types, for the key filters of the option pages.

#include <optional>

class QKeyEvent;

namespace hm3300::app {

// A printable character or Backspace. Nothing for keys that type nothing in the filters'
// sense: Enter, navigation, Delete, Escape, Tab and Ctrl or Meta shortcuts (AltGr, which
// some platforms report as Ctrl+Alt, still types).
std::optional<char32_t> typedCharacter(const QKeyEvent& event);

}  // namespace hm3300::app

#include "app/typed_key.h"

#include <QKeyEvent>

#include "editor/text_fields.h"

namespace hm3300::app {

std::optional<char32_t> typedCharacter(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool shortcut =
        (modifiers & (Qt::ControlModifier | Qt::MetaModifier)) && !(modifiers & Qt::AltModifier);
    const QList<uint> characters = event.text().toUcs4();
    if (shortcut || characters.size() != 1) {
        return std::nullopt;
    }
    const char32_t character = characters.front();
    if (character == static_cast<char32_t>(editor::kBackspace)) {
        return character;
    }
    const bool control = character < 0x20 || (character >= 0x7F && character < 0xA0);
    return control ? std::nullopt : std::optional<char32_t>(character);
}

bool isEnterKey(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

}  // namespace hm3300::app

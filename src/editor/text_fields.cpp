#include "editor/text_fields.h"

#include <cassert>

namespace hm3300::editor {

namespace {

bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

std::optional<char> filterDtmfKey(char32_t key) {
    if (key >= U'a' && key <= U'd') {
        return static_cast<char>(key - U'a' + U'A');
    }
    if (isDigit(key) || (key >= U'A' && key <= U'D') || key == U'*' || key == U'#') {
        return static_cast<char>(key);
    }
    return std::nullopt;
}

}  // namespace

std::optional<char> filterKey(model::TextCharset charset, char32_t key) {
    if (key == static_cast<char32_t>(kBackspace)) {
        return kBackspace;
    }
    switch (charset) {
        case model::TextCharset::Dtmf:
            return filterDtmfKey(key);
        case model::TextCharset::Digits:
            return isDigit(key) ? std::optional<char>(static_cast<char>(key)) : std::nullopt;
    }
    return std::nullopt;
}

std::string filterText(model::TextCharset charset, std::string_view text) {
    std::string filtered;
    // Bytes of multi-byte characters are all above the ASCII range, so none passes.
    for (unsigned char c : text) {
        const auto passed = filterKey(charset, c);
        if (passed && *passed != kBackspace) {
            filtered += *passed;
        }
    }
    return filtered;
}

TextFieldRule textFieldRule(model::Option option) {
    const model::OptionDefinition& definition = model::optionDefinition(option);
    assert(definition.kind == model::OptionKind::Text);
    // Enter in a code that goes with the call list takes the operator back to that list;
    // in the own ID, the stun code and the password it does nothing.
    const bool backToCallList = option == model::Option::BOT || option == model::Option::EOT ||
                                (option >= model::Option::Call0 && option <= model::Option::Call9);
    return {definition.charset, definition.maxLength,
            backToCallList ? EnterKey::CloseCallEditor : EnterKey::Drop};
}

}  // namespace hm3300::editor

#pragma once
// The eight words the channel table stores for its two- and three-valued fields,
// in the current language, and the texts recognised for each of them in every language.

#include <span>
#include <string>
#include <string_view>

namespace hm3300::model {

class LanguagePack;

enum class ValueKind { Off, On, High, Low, Wide, Narrow, Compander, Scrambler };

struct ValueTexts {
    std::string OffText;
    std::string OnText;
    std::string HighText;
    std::string LowText;
    std::string WideText;
    std::string NarrowText;
    std::string CompanderText;
    std::string ScramblerText;

    const std::string& text(ValueKind kind) const;

    // Texts of a loaded pack (ids 34-37, 74, 75, 78, 79).
    static ValueTexts fromPack(const LanguagePack& pack);
    bool operator==(const ValueTexts&) const = default;
};

// The pack id of a value's word (Off 34, On 35, ...).
int packTextId(ValueKind kind);

// The value a text stands for in any language, if it is one of the recognised ones
// among `candidates`.
const ValueKind* recognise(std::string_view text, std::span<const ValueKind> candidates);

}  // namespace hm3300::model

#include "model/value_texts.h"

#include <algorithm>
#include <array>

#include "model/language_pack.h"
#include "model/text_ids.h"

namespace hm3300::model {

namespace {

// "禁用" serves both Chinese variants.
constexpr std::array<std::string_view, 2> kOff{"禁用", "OFF"};
constexpr std::array<std::string_view, 3> kOn{"启用", "ON", "啟用"};
constexpr std::array<std::string_view, 2> kHigh{"高功率", "High"};
constexpr std::array<std::string_view, 2> kLow{"低功率", "Low"};
constexpr std::array<std::string_view, 3> kWide{"宽带", "Wide", "寬帶"};
constexpr std::array<std::string_view, 3> kNarrow{"窄带", "Narrow", "窄帶"};
constexpr std::array<std::string_view, 3> kCompander{"压扩", "Comp", "壓擴"};
constexpr std::array<std::string_view, 3> kScrambler{"扰频", "scrambler", "擾頻"};

// Simplified Chinese, English and traditional Chinese words for a value, in that order.
std::span<const std::string_view> recognisedTexts(ValueKind kind) {
    switch (kind) {
        case ValueKind::Off:
            return kOff;
        case ValueKind::On:
            return kOn;
        case ValueKind::High:
            return kHigh;
        case ValueKind::Low:
            return kLow;
        case ValueKind::Wide:
            return kWide;
        case ValueKind::Narrow:
            return kNarrow;
        case ValueKind::Compander:
            return kCompander;
        case ValueKind::Scrambler:
            return kScrambler;
    }
    return {};
}

}  // namespace

const std::string& ValueTexts::text(ValueKind kind) const {
    switch (kind) {
        case ValueKind::Off:
            return OffText;
        case ValueKind::On:
            return OnText;
        case ValueKind::High:
            return HighText;
        case ValueKind::Low:
            return LowText;
        case ValueKind::Wide:
            return WideText;
        case ValueKind::Narrow:
            return NarrowText;
        case ValueKind::Compander:
            return CompanderText;
        case ValueKind::Scrambler:
            return ScramblerText;
    }
    return OffText;
}

int packTextId(ValueKind kind) {
    switch (kind) {
        case ValueKind::Off:
            return TextId::Off;
        case ValueKind::On:
            return TextId::On;
        case ValueKind::High:
            return TextId::High;
        case ValueKind::Low:
            return TextId::Low;
        case ValueKind::Wide:
            return TextId::Wide;
        case ValueKind::Narrow:
            return TextId::Narrow;
        case ValueKind::Compander:
            return TextId::Compander;
        case ValueKind::Scrambler:
            return TextId::Scrambler;
    }
    return TextId::Off;
}

ValueTexts ValueTexts::fromPack(const LanguagePack& pack) {
    const auto word = [&pack](ValueKind kind) { return pack.text(packTextId(kind)); };
    return ValueTexts{
        word(ValueKind::Off),       word(ValueKind::On),        word(ValueKind::High),
        word(ValueKind::Low),       word(ValueKind::Wide),      word(ValueKind::Narrow),
        word(ValueKind::Compander), word(ValueKind::Scrambler),
    };
}

const ValueKind* recognise(std::string_view text, std::span<const ValueKind> candidates) {
    for (const ValueKind& kind : candidates) {
        auto texts = recognisedTexts(kind);
        if (std::find(texts.begin(), texts.end(), text) != texts.end()) {
            return &kind;
        }
    }
    return nullptr;
}

}  // namespace hm3300::model

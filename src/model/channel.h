#pragma once
// One channel memory as the operator sees it: sixteen texts, ten shown in the grid and six
// hidden attributes. The channel exists exactly when RxFreq is not empty.

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "model/value_texts.h"

namespace hm3300::model {

// In grid column order (RxFreq is column 1), then the hidden attributes; this is also the
// order of the fields in a codeplug file line.
enum class ChannelField {
    RxFreq,
    RxTone,
    TxFreq,
    TxTone,
    Power,
    Bandwidth,
    ScanAdd,
    Dtmf,
    PttId,
    Alias,
    TailElim,
    Vox,
    BusyLock,
    RxCode,
    TxCode,
    VoiceMode,
};

inline constexpr int kChannelFieldCount = 16;
inline constexpr int kVisibleFieldCount = 10;

// Every field, in order.
std::span<const ChannelField> allChannelFields();
std::string_view fieldName(ChannelField field);
bool isVisible(ChannelField field);

// The values a language-dependent field can hold; empty for the fields that hold no
// value text (frequencies, alias, codes). Tones hold a value text only when off.
std::span<const ValueKind> valueKindsOf(ChannelField field);

class Channel {
public:
    std::string& operator[](ChannelField field) { return fields_[index(field)]; }
    const std::string& operator[](ChannelField field) const { return fields_[index(field)]; }

    bool exists() const { return !(*this)[ChannelField::RxFreq].empty(); }

    // Empties all sixteen fields.
    void clear();
    // Empties RxFreq to Alias; the hidden attributes stay.
    void clearVisible();
    // Empties every field but VoiceMode, which the radio does not carry for every channel:
    // reading such a channel leaves the mode it had.
    void clearAllButVoiceMode();

    // Fills the fields of a channel whose receive frequency was just entered.
    void fillNewChannelDefaults(const ValueTexts& texts);

    // Rewrites every field holding a recognised value text of any language into `texts`.
    void convertValueTexts(const ValueTexts& texts);

    bool operator==(const Channel&) const = default;

private:
    static constexpr std::size_t index(ChannelField field) {
        return static_cast<std::size_t>(field);
    }
    std::array<std::string, kChannelFieldCount> fields_;
};

}  // namespace hm3300::model

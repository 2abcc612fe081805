#include "editor/cell_key_filters.h"

#include "editor/text_fields.h"

namespace hm3300::editor {

namespace {

bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

bool between(char32_t c, char32_t first, char32_t last) {
    return c >= first && c <= last;
}

// Bytes of a multi-byte UTF-8 character after its first.
bool isContinuationByte(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// The characters of `text` the alias keys let through, at most `limit` of them, upper-cased.
std::string keptAlias(std::string_view text, std::size_t limit) {
    std::string filtered;
    std::size_t characters = 0;
    bool keeping = false;
    for (unsigned char c : text) {
        if (isContinuationByte(c)) {
            if (keeping) {
                filtered += static_cast<char>(c);
            }
            continue;
        }
        // Control characters are keys with a meaning of their own, not part of a name.
        const bool control = c < 0x20 || c == 0x7F;
        keeping = !control && aliasKeyAccepted(c) && characters < limit;
        if (keeping) {
            filtered += static_cast<char>(c);
            ++characters;
        }
    }
    return upperCaseAlias(filtered);
}

}  // namespace

bool frequencyKeyAccepted(std::string_view fieldText, char32_t key) {
    if (key == static_cast<char32_t>(kBackspace) || isDigit(key)) {
        return true;
    }
    return key == U'.' && fieldText.size() >= 3 && fieldText.find('.') == std::string_view::npos;
}

bool aliasKeyAccepted(char32_t key) {
    const bool rejected = between(key, 1, 6) || between(key, 9, 12) || between(key, 14, 31) ||
                          between(key, U'!', U')') || key == U',' || between(key, U':', U'@') ||
                          between(key, U'[', U'^') || key == U'`' || between(key, U'{', U'~');
    return !rejected;
}

std::string upperCaseAlias(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

std::string filterFrequencyText(std::string_view text) {
    std::string filtered;
    bool point = false;
    for (char c : text) {
        if (isDigit(static_cast<unsigned char>(c)) || (c == '.' && !point)) {
            point = point || c == '.';
            filtered += c;
        }
    }
    return filtered;
}

std::string filterAlias(std::string_view text) {
    return keptAlias(text, kAliasLength);
}

std::string aliasCharacters(std::string_view text) {
    return keptAlias(text, std::string_view::npos);
}

}  // namespace hm3300::editor

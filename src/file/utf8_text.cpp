#include "file/utf8_text.h"

namespace hm3300::file {

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Byte offset where the `count`-th character after the start begins (or the text's end).
std::size_t skipCharacters(std::string_view text, std::size_t count) {
    std::size_t offset = 0;
    while (count > 0 && offset < text.size()) {
        ++offset;
        while (offset < text.size() && isContinuation(static_cast<unsigned char>(text[offset]))) {
            ++offset;
        }
        --count;
    }
    return offset;
}

}  // namespace

std::size_t invalidUtf8At(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t codePoint = 0;
        char32_t smallest = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2, codePoint = lead & 0x1F, smallest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, codePoint = lead & 0x0F, smallest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, codePoint = lead & 0x07, smallest = 0x10000;
        } else {
            return i;
        }
        if (i + length > text.size()) {
            return i;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if (!isContinuation(next)) {
                return i;
            }
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        if (codePoint < smallest || codePoint > 0x10FFFF ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
            return i;
        }
        i += length;
    }
    return std::string_view::npos;
}

std::string_view fromCharacter(std::string_view text, std::size_t position) {
    if (position == 0) {
        return text;
    }
    return text.substr(skipCharacters(text, position - 1));
}

std::string_view firstCharacters(std::string_view text, std::size_t count) {
    return text.substr(0, skipCharacters(text, count));
}

std::string_view withoutLastCharacter(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0) {
        --end;
        if (!isContinuation(static_cast<unsigned char>(text[end]))) {
            break;
        }
    }
    return text.substr(0, end);
}

}  // namespace hm3300::file

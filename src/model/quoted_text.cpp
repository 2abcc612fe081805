#include "model/quoted_text.h"

#include <cstdio>

namespace hm3300::model {

namespace {

std::string escape(const char* format, unsigned value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

}  // namespace

std::string escapedText(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
        if (byte < 0x20 || byte == 0x7F) {
            result += escape("\\x%02X", byte);
        } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {
            // U+0080 to U+009F in UTF-8.
            result += escape("\\u%04X", next);
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

std::string quotedText(std::string_view text) {
    return "\"" + escapedText(text) + "\"";
}

}  // namespace hm3300::model

#include "cli/text_table.h"

#include <algorithm>
#include <string_view>

namespace hm3300::cli {

namespace {

// Decodes the code point starting at `text[i]` and advances `i` past it.
char32_t nextCodePoint(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t code = extra == 3   ? lead & 0x07
                    : extra == 2 ? lead & 0x0F
                    : extra == 1 ? lead & 0x1F
                                 : lead;
    while (extra-- > 0 && i < text.size()) {
        code = (code << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    return code;
}

bool isWide(char32_t code) {
    return (code >= 0x1100 && code <= 0x115F) || (code >= 0x2E80 && code <= 0xA4CF) ||
           (code >= 0xAC00 && code <= 0xD7A3) || (code >= 0xF900 && code <= 0xFAFF) ||
           (code >= 0xFE30 && code <= 0xFE4F) || (code >= 0xFF00 && code <= 0xFF60) ||
           (code >= 0xFFE0 && code <= 0xFFE6);
}

// Terminal cells `text` occupies: two for East Asian wide characters, one otherwise.
std::size_t displayWidth(std::string_view text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        width += isWide(nextCodePoint(text, i)) ? 2 : 1;
    }
    return width;
}

}  // namespace

void TextTable::addRow(std::vector<std::string> cells) {
    rows_.push_back(std::move(cells));
}

void TextTable::print(std::ostream& out, std::size_t indent) const {
    std::vector<std::size_t> widths;
    for (const auto& row : rows_) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t column = 0; column < row.size(); ++column) {
            widths[column] = std::max(widths[column], displayWidth(row[column]));
        }
    }
    for (const auto& row : rows_) {
        std::string line(indent, ' ');
        for (std::size_t column = 0; column < row.size(); ++column) {
            line += row[column];
            if (column + 1 < row.size()) {
                line.append(widths[column] - displayWidth(row[column]) + 2, ' ');
            }
        }
        out << line << "\n";
    }
}

}  // namespace hm3300::cli

#include "editor/channel_rows.h"

#include <algorithm>

namespace hm3300::editor {

namespace {

using model::ChannelField;
using model::ChannelTable;

constexpr char kFieldSeparator = '\t';
constexpr char kRowEnd = '\n';

void appendEscaped(std::string& out, std::string_view field) {
    for (const char c : field) {
        switch (c) {
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                out += c;
        }
    }
}

// The character a backslash and `code` stand for; nothing for an unknown escape.
std::optional<char> unescaped(char code) {
    switch (code) {
        case 't':
            return '\t';
        case 'n':
            return '\n';
        case 'r':
            return '\r';
        case '\\':
            return '\\';
        default:
            return std::nullopt;
    }
}

// One line of a channelsText; nothing when it is not sixteen well-formed fields.
std::optional<model::Channel> parseChannelLine(std::string_view line) {
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == kFieldSeparator) {
            fields.emplace_back();
        } else if (line[i] != '\\') {
            fields.back() += line[i];
        } else if (const auto c = i + 1 < line.size() ? unescaped(line[++i]) : std::nullopt) {
            fields.back() += *c;
        } else {
            return std::nullopt;
        }
    }
    if (fields.size() != model::kChannelFieldCount) {
        return std::nullopt;
    }
    model::Channel channel;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        channel[model::allChannelFields()[i]] = std::move(fields[i]);
    }
    return channel;
}

// A spreadsheet cell cannot hold a tab or a line break.
void appendSpreadsheetCell(std::string& out, std::string_view field) {
    for (const char c : field) {
        out += c == '\t' || c == '\n' || c == '\r' ? ' ' : c;
    }
}

// `copied` one row a line, with the first `fieldCount` fields of each written by `append`
// and separated by tabs.
std::string tabSeparatedRows(std::span<const model::Channel> copied, int fieldCount,
                             void (*append)(std::string& out, std::string_view field)) {
    const auto fields = model::allChannelFields().first(static_cast<std::size_t>(fieldCount));
    std::string text;
    for (const model::Channel& channel : copied) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0) {
                text += kFieldSeparator;
            }
            append(text, channel[fields[i]]);
        }
        text += kRowEnd;
    }
    return text;
}

}  // namespace

std::vector<model::Channel> copyRows(const ChannelTable& channels, std::span<const int> rows) {
    std::vector<model::Channel> copied;
    for (const int row : rows) {
        copied.push_back(channels.row(row));
    }
    return copied;
}

void emptyRows(ChannelTable& channels, std::span<const int> rows) {
    for (const int row : rows) {
        channels.row(row).clear();
    }
}

int pasteRows(ChannelTable& channels, int first, std::span<const model::Channel> pasted,
              const model::ValueTexts& texts) {
    const int count = std::min(static_cast<int>(pasted.size()), ChannelTable::kRows - first + 1);
    for (int i = 0; i < count; ++i) {
        model::Channel& channel = channels.row(first + i);
        channel = pasted[static_cast<std::size_t>(i)];
        channel.convertValueTexts(texts);
    }
    return std::max(count, 0);
}

bool insertDropsChannel(const ChannelTable& channels) {
    return channels.row(ChannelTable::kRows).exists();
}

void insertEmptyRow(ChannelTable& channels, int row) {
    for (int to = ChannelTable::kRows; to > row; --to) {
        channels.row(to) = channels.row(to - 1);
    }
    channels.row(row).clear();
}

void deleteRows(ChannelTable& channels, std::span<const int> rows) {
    std::vector<model::Channel> kept;
    for (int row = 1; row <= ChannelTable::kRows; ++row) {
        if (std::find(rows.begin(), rows.end(), row) == rows.end()) {
            kept.push_back(channels.row(row));
        }
    }
    kept.resize(ChannelTable::kRows);
    for (int row = 1; row <= ChannelTable::kRows; ++row) {
        channels.row(row) = kept[static_cast<std::size_t>(row - 1)];
    }
}

std::string channelsText(std::span<const model::Channel> copied) {
    return tabSeparatedRows(copied, model::kChannelFieldCount, appendEscaped);
}

std::optional<std::vector<model::Channel>> parseChannelsText(std::string_view text) {
    std::vector<model::Channel> channels;
    while (!text.empty()) {
        const std::size_t end = text.find(kRowEnd);
        if (end == std::string_view::npos || channels.size() == ChannelTable::kRows) {
            return std::nullopt;
        }
        std::optional<model::Channel> channel = parseChannelLine(text.substr(0, end));
        if (!channel) {
            return std::nullopt;
        }
        channels.push_back(std::move(*channel));
        text.remove_prefix(end + 1);
    }
    if (channels.empty()) {
        return std::nullopt;
    }
    return channels;
}

std::string visibleColumnsText(std::span<const model::Channel> copied) {
    return tabSeparatedRows(copied, model::kVisibleFieldCount, appendSpreadsheetCell);
}

}  // namespace hm3300::editor

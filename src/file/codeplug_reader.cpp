// Open: the whole file is checked and parsed into a copy of the codeplug, which replaces the
// original only when every line could be read.

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <vector>

#include "file/codeplug_file.h"
#include "file/codeplug_layout.h"
#include "file/file_io.h"
#include "file/gbk_text.h"
#include "file/utf8_text.h"
#include "model/quoted_text.h"
#include "model/text_ids.h"

namespace hm3300::file {

namespace {

using model::OptionKind;

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
// A codeplug file is about 20 kB; anything far larger is not one.
constexpr std::size_t kMaxFileSize = 1 << 20;
constexpr int kLastSettingLine = 57;

namespace TextId = model::TextId;
using model::Message;

Message atLine(std::size_t line, Message what) {
    return {TextId::AtLine, {std::to_string(line), std::move(what)}};
}

ReadError malformed(std::size_t line, Message what) {
    return {ReadError::Kind::Malformed, static_cast<int>(line), atLine(line, std::move(what))};
}

using model::quotedText;

// The text up to the end of line `count` (its line end included); lines after it are not read.
std::string_view firstLines(std::string_view text, int count) {
    std::size_t end = 0;
    for (int line = 0; line < count && end < text.size(); ++line) {
        const std::size_t lineEnd = text.find('\n', end);
        end = lineEnd == std::string_view::npos ? text.size() : lineEnd + 1;
    }
    return text.substr(0, end);
}

// Lines end with LF; a line end at the very end of the text opens no further line.
std::size_t countLines(std::string_view text) {
    const auto ends = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    return ends + (text.empty() || text.ends_with('\n') ? 0 : 1);
}

// Lines end with LF or CR LF; a line end at the very end of the text opens no further line.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        lines.push_back(line);
    }
    return lines;
}

// The file in UTF-8: as it is when it is valid UTF-8 (with or without the UTF-8 mark),
// otherwise converted from GBK, the form the program writes.
std::optional<ReadError> decode(std::string_view bytes, bool hasUtf8Mark, std::string& text) {
    const std::size_t invalid = invalidUtf8At(bytes);
    if (invalid == std::string_view::npos) {
        text = bytes;
        return std::nullopt;
    }
    if (hasUtf8Mark) {
        return malformed(lineNumberAt(bytes, invalid), Message(TextId::NotUtf8Line));
    }
    TextConversion converted = gbkToUtf8(bytes);
    switch (converted.status) {
        case TextConversion::Status::Ok:
            text = std::move(converted.text);
            return std::nullopt;
        case TextConversion::Status::NoConverter:
            return ReadError{ReadError::Kind::CannotRead, 0, Message(TextId::NoGbkConverter)};
        case TextConversion::Status::Unconvertible:
            // The encoding that reads further is most likely the file's own, so its first
            // fault is the one to show.
            return malformed(lineNumberAt(bytes, std::max(invalid, converted.failedAt)),
                             Message(TextId::NeitherGbkNorUtf8));
    }
    return std::nullopt;
}

std::optional<int> parseInteger(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> parseDecimal(std::string_view text) {
    double value = 0;
    const auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

ReadError expectedNumber(std::size_t lineNumber, const LayoutLine& layout, std::string_view found) {
    return malformed(lineNumber, {TextId::ExpectsNumber,
                                  {quotedText(layout.key()), std::to_string(layout.valuePosition()),
                                   quotedText(found)}});
}

std::optional<ReadError> readSetting(std::size_t lineNumber, const LayoutLine& layout,
                                     std::string_view line, model::Codeplug& codeplug) {
    const std::string_view value = fromCharacter(line, layout.valuePosition());
    if (layout.kind == LayoutLine::Kind::Band) {
        // A file saved with no band selected carries no text: the list is left as it is
        // rather than given an empty entry.
        const std::string_view band = firstCharacters(value, 10);
        if (!band.empty()) {
            model::selectOrAddBand(codeplug.bands[layout.band], std::string(band));
        }
        return std::nullopt;
    }
    if (layout.kind != LayoutLine::Kind::Option) {
        return std::nullopt;
    }
    model::RadioSettings& settings = codeplug.settings;
    switch (model::optionDefinition(layout.option).kind) {
        case OptionKind::Choice: {
            // The index runs up to the next blank; the item text after it is for people.
            // No selection is written as -1.
            const std::string_view token = value.substr(0, value.find(' '));
            const auto index = parseInteger(token);
            if (!index) {
                return expectedNumber(lineNumber, layout, token);
            }
            settings.setChoice(layout.option, *index);
            break;
        }
        case OptionKind::Flag:
            settings.setFlag(layout.option, value.starts_with('1'));
            break;
        case OptionKind::Number: {
            const auto number = parseDecimal(value);
            if (!number) {
                return expectedNumber(lineNumber, layout, value);
            }
            settings.setNumber(layout.option, *number);
            break;
        }
        case OptionKind::Text:
            settings.setText(layout.option, std::string(value));
            break;
    }
    return std::nullopt;
}

using ChannelFields = std::array<std::string_view, model::kChannelFieldCount>;

// The sixteen fields from the first field's character on. Each ends one character before
// its bar; the bar and the blank after it separate it from the next. The fields after the
// last bar come out empty.
ChannelFields splitFields(std::string_view rest) {
    ChannelFields fields;
    rest = withoutLastCharacter(rest);
    for (std::string_view& field : fields) {
        const std::size_t bar = rest.find('|');
        if (bar == std::string_view::npos) {
            break;
        }
        field = withoutLastCharacter(rest.substr(0, bar));
        rest = fromCharacter(rest.substr(bar + 1), 2);
    }
    return fields;
}

bool anyFilled(const ChannelFields& fields, std::size_t first, std::size_t end) {
    return std::any_of(fields.begin() + first, fields.begin() + end,
                       [](std::string_view field) { return !field.empty(); });
}

// Reads one channel line into `channel`, whose visible fields are empty already. Returns
// whether the line carried texts that an empty channel cannot keep, which are left out.
bool readChannel(std::string_view line, model::Channel& channel) {
    const std::string_view rest = fromCharacter(line, kFirstFieldPosition);
    const ChannelFields fields = splitFields(rest);
    // A blank where the first field starts marks an empty channel: its hidden attributes stay.
    if (rest.starts_with(' ')) {
        return anyFilled(fields, 0, model::kVisibleFieldCount);
    }
    // Saving writes such a channel as empty and the next Open reads it so; taking it as
    // empty now keeps a save and an open from changing it.
    if (fields.front().empty()) {
        channel.clear();
        return anyFilled(fields, 1, fields.size());
    }
    for (model::ChannelField field : model::allChannelFields()) {
        channel[field] = fields[static_cast<std::size_t>(field)];
    }
    return false;
}

ReadNotice leftOutFields(std::size_t lineNumber, int channel) {
    return {static_cast<int>(lineNumber),
            atLine(lineNumber, {TextId::ChannelWithoutFrequency, {std::to_string(channel)}})};
}

ReadNotice ignoredLines(std::size_t count) {
    const int line = kLineCount + 1;
    return {line, atLine(line, {count == 1 ? TextId::LineIgnored : TextId::LinesIgnored,
                                {std::to_string(count)}})};
}

}  // namespace

std::optional<ReadError> readCodeplug(std::string_view bytes, model::Codeplug& codeplug,
                                      const model::ValueTexts& texts,
                                      std::vector<ReadNotice>& notices) {
    const bool hasUtf8Mark = bytes.starts_with(kUtf8Mark);
    if (hasUtf8Mark) {
        bytes.remove_prefix(kUtf8Mark.size());
    }
    const std::string_view read = firstLines(bytes, kLineCount);
    const std::size_t extraLines = countLines(bytes.substr(read.size()));
    bytes = read;

    // The header is plain ASCII, the same bytes in every encoding the reader accepts.
    std::string_view header = bytes.substr(0, bytes.find('\n'));
    if (header.ends_with('\r')) {
        header.remove_suffix(1);
    }
    if (header != kHeader) {
        return ReadError{
            ReadError::Kind::WrongHeader, 1, {TextId::NotACodeplug, {quotedText(kHeader)}}};
    }

    std::string text;
    if (auto error = decode(bytes, hasUtf8Mark, text)) {
        return error;
    }
    const std::vector<std::string_view> lines = splitLines(text);
    if (lines.size() < kLastSettingLine) {
        return malformed(lines.size() + 1,
                         {TextId::EndsBeforeSettings, {std::to_string(kLastSettingLine)}});
    }

    model::Codeplug result = codeplug;
    const auto layout = settingsLayout();
    for (std::size_t i = 0; i < layout.size() && i < lines.size(); ++i) {
        if (auto error = readSetting(i + 1, layout[i], lines[i], result)) {
            return error;
        }
    }

    for (int number = 1; number <= model::ChannelTable::kRows; ++number) {
        result.channels.row(number).clearVisible();
    }
    std::vector<ReadNotice> found;
    const std::size_t firstChannel = kFirstChannelLine - 1;
    for (std::size_t i = firstChannel; i < lines.size(); ++i) {
        const int number = static_cast<int>(i - firstChannel) + 1;
        if (readChannel(lines[i], result.channels.row(number))) {
            found.push_back(leftOutFields(i + 1, number));
        }
    }
    if (extraLines > 0) {
        found.push_back(ignoredLines(extraLines));
    }
    // Words saved under another language become the words of the current one, which the
    // radio write and the grid compare cells with.
    result.channels.convertValueTexts(texts);

    codeplug = std::move(result);
    notices.insert(notices.end(), found.begin(), found.end());
    return std::nullopt;
}

std::optional<ReadError> openCodeplug(const std::string& path, model::Codeplug& codeplug,
                                      const model::ValueTexts& texts,
                                      std::vector<ReadNotice>& notices) {
    std::string bytes;
    if (auto message = readWholeFile(path, kMaxFileSize, bytes)) {
        return ReadError{ReadError::Kind::CannotRead, 0, *message};
    }
    std::vector<ReadNotice> found;
    auto error = readCodeplug(bytes, codeplug, texts, found);
    if (error) {
        error->message = {TextId::AboutThing, {quotedText(path), std::move(error->message)}};
        return error;
    }
    for (ReadNotice& notice : found) {
        notice.message = {TextId::AboutThing, {quotedText(path), std::move(notice.message)}};
        notices.push_back(std::move(notice));
    }
    return std::nullopt;
}

}  // namespace hm3300::file

// Save: the codeplug as the 187 lines of the file, then GBK on disk.

#include <charconv>

#include "file/codeplug_file.h"
#include "file/codeplug_layout.h"
#include "file/file_io.h"
#include "file/gbk_text.h"
#include "file/utf8_text.h"
#include "model/choice_items.h"
#include "model/quoted_text.h"
#include "model/text_ids.h"

namespace hm3300::file {

namespace {

using model::Option;
using model::OptionKind;

// 100 stays "100", 10.5 stays "10.5": no exponent, no trailing zeros.
std::string shortestDecimal(double value) {
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

std::string optionValue(Option option, const model::RadioSettings& settings,
                        const model::LanguagePack& pack) {
    switch (model::optionDefinition(option).kind) {
        case OptionKind::Choice: {
            // The item text is for the human reader; the reader takes only the index.
            const int index = settings.choice(option);
            return std::to_string(index) + " " + model::choiceItemText(option, index, pack);
        }
        case OptionKind::Flag:
            return settings.flag(option) ? "1" : "0";
        case OptionKind::Number:
            return shortestDecimal(settings.number(option));
        case OptionKind::Text:
            return settings.text(option);
    }
    return {};
}

std::string settingLine(const LayoutLine& line, const model::Codeplug& codeplug,
                        const model::LanguagePack& pack) {
    switch (line.kind) {
        case LayoutLine::Kind::Header:
            return std::string(kHeader);
        case LayoutLine::Kind::Empty:
            return {};
        case LayoutLine::Kind::Band:
            return std::string(line.key()) + " " + codeplug.bands[line.band].selectedText();
        case LayoutLine::Kind::Option:
            return std::string(line.key()) + " " +
                   optionValue(line.option, codeplug.settings, pack);
    }
    return {};
}

std::string channelLine(int number, const model::Channel& channel) {
    std::string line = "CH" + model::ChannelTable::rowLabel(number);
    for (model::ChannelField field : model::allChannelFields()) {
        line += " | ";
        line += channel[field];
    }
    return line + " | ";
}

void appendLine(std::string& text, std::string_view line) {
    text += line;
    text += "\r\n";
}

}  // namespace

std::string formatCodeplug(const model::Codeplug& codeplug, const model::LanguagePack& pack) {
    std::string text;
    for (const LayoutLine& line : settingsLayout()) {
        appendLine(text, settingLine(line, codeplug, pack));
    }
    for (int number = 1; number <= model::ChannelTable::kRows; ++number) {
        appendLine(text, channelLine(number, codeplug.channels.row(number)));
    }
    return text;
}

std::optional<std::string> encodeCodeplugFile(const model::Codeplug& codeplug,
                                              const model::LanguagePack& pack,
                                              model::Message& problem) {
    namespace TextId = model::TextId;
    const std::string text = formatCodeplug(codeplug, pack);
    TextConversion gbk = utf8ToGbk(text);
    switch (gbk.status) {
        case TextConversion::Status::Ok:
            return std::move(gbk.text);
        case TextConversion::Status::NoConverter:
            problem = model::Message(TextId::NoGbkConverter);
            return std::nullopt;
        case TextConversion::Status::Unconvertible: {
            const std::string_view character =
                firstCharacters(std::string_view(text).substr(gbk.failedAt), 1);
            problem = {
                TextId::NotInGbk,
                {std::to_string(lineNumberAt(text, gbk.failedAt)), model::quotedText(character)}};
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<model::Message> saveCodeplug(const std::string& path, const model::Codeplug& codeplug,
                                           const model::LanguagePack& pack) {
    model::Message problem;
    const auto bytes = encodeCodeplugFile(codeplug, pack, problem);
    if (!bytes) {
        return model::Message(model::TextId::CannotSave, {model::quotedText(path), problem});
    }
    return replaceFile(path, *bytes);
}

}  // namespace hm3300::file

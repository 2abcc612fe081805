#include "cli/file_language.h"

#include <array>
#include <string_view>
#include <vector>

#include "file/codeplug_file.h"
#include "file/file_io.h"
#include "file/gbk_text.h"
#include "file/utf8_text.h"
#include "model/value_texts.h"

namespace hm3300::cli {

namespace {

// Far above the size of any codeplug file; the reader refuses such files anyway.
constexpr std::size_t kMaxFileSize = 1 << 20;
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::vector<std::string_view> lines(std::string_view text) {
    std::vector<std::string_view> result;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        result.push_back(line);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return result;
}

// The file's text in UTF-8, as the reader takes it: UTF-8 when it is valid UTF-8,
// otherwise GBK.
std::optional<std::string> fileText(const std::string& bytes) {
    std::string_view content = bytes;
    if (content.starts_with(kUtf8Mark)) {
        content.remove_prefix(kUtf8Mark.size());
    }
    if (file::invalidUtf8At(content) == std::string_view::npos) {
        return std::string(content);
    }
    file::TextConversion converted = file::gbkToUtf8(content);
    if (converted.status != file::TextConversion::Status::Ok) {
        return std::nullopt;
    }
    return std::move(converted.text);
}

}  // namespace

std::optional<model::Language> fileLanguage(const std::string& path,
                                            const std::string& packFolder) {
    std::string bytes;
    if (file::readWholeFile(path, kMaxFileSize, bytes)) {
        return std::nullopt;
    }
    const auto text = fileText(bytes);
    if (!text) {
        return std::nullopt;
    }
    const std::vector<std::string_view> original = lines(*text);

    std::optional<model::Language> best;
    std::size_t bestMatches = 0;
    for (const model::Language language :
         {model::Language::Chinese, model::Language::English, model::Language::Taiwan}) {
        std::string damaged;
        const auto pack = model::LanguagePack::loadOrBuiltin(packFolder, language, damaged);
        if (!pack) {
            continue;  // a language whose pack cannot be used cannot be the file's
        }
        model::Codeplug codeplug;
        std::vector<file::ReadNotice> notices;
        if (file::readCodeplug(bytes, codeplug, model::ValueTexts::fromPack(*pack), notices)) {
            return std::nullopt;
        }
        const std::string saved = file::formatCodeplug(codeplug, *pack);
        const std::vector<std::string_view> savedLines = lines(saved);
        std::size_t matches = 0;
        for (std::size_t i = 0; i < original.size() && i < savedLines.size(); ++i) {
            matches += original[i] == savedLines[i] ? 1 : 0;
        }
        if (!best || matches > bestMatches) {
            best = language;
            bestMatches = matches;
        }
    }
    return best;
}

}  // namespace hm3300::cli

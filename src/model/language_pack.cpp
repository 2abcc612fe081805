#include "model/language_pack.h"

#include <array>
#include <charconv>
#include <fstream>
#include <sstream>

namespace hm3300::model {

// Generated at build time from lang/chinese.lng.
extern const std::string_view kBuiltinPackText;

namespace {

constexpr std::array<std::pair<Language, std::string_view>, 3> kPackNames{{
    {Language::Chinese, "chinese"},
    {Language::English, "english"},
    {Language::Taiwan, "taiwan"},
}};

// The longest text a pack may hold; longer texts are refused rather than cut.
constexpr std::size_t kMaxTextLength = 253;

}  // namespace

std::string_view packName(Language language) {
    for (const auto& [lang, name] : kPackNames) {
        if (lang == language) {
            return name;
        }
    }
    return {};
}

std::optional<Language> languageFromPackName(std::string_view name) {
    for (const auto& [lang, packName] : kPackNames) {
        if (packName == name) {
            return lang;
        }
    }
    return std::nullopt;
}

const LanguagePack& LanguagePack::builtin() {
    static const LanguagePack pack = *parse(kBuiltinPackText);
    return pack;
}

std::optional<LanguagePack> LanguagePack::parse(std::string_view content, std::string* error) {
    LanguagePack pack;
    int lineNumber = 0;
    while (!content.empty()) {
        ++lineNumber;
        const std::size_t end = content.find('\n');
        std::string_view line = content.substr(0, end);
        content = end == std::string_view::npos ? std::string_view{} : content.substr(end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (lineNumber == 1 && line.starts_with("\xEF\xBB\xBF")) {
            line.remove_prefix(3);
        }
        if (line.find_first_not_of(" \t") == std::string_view::npos || line.front() == '#') {
            continue;
        }
        const std::size_t equals = line.find('=');
        int id = 0;
        const auto [ptr, ec] = std::from_chars(line.data(), line.data() + line.size(), id);
        const std::string_view text =
            equals == std::string_view::npos ? std::string_view{} : line.substr(equals + 1);
        if (equals == std::string_view::npos || ec != std::errc{} || ptr != line.data() + equals ||
            id <= 0 || text.size() > kMaxTextLength) {
            if (error) {
                *error = "line " + std::to_string(lineNumber) +
                         ": expected \"id=text\" with a positive id and at most " +
                         std::to_string(kMaxTextLength) + " bytes of text";
            }
            return std::nullopt;
        }
        pack.texts_[id] = std::string(text);
    }
    return pack;
}

std::optional<LanguagePack> LanguagePack::loadFile(const std::string& path, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (error) {
            *error = "cannot open " + path;
        }
        return std::nullopt;
    }
    std::ostringstream content;
    content << in.rdbuf();
    std::string parseError;
    auto pack = parse(content.str(), &parseError);
    if (!pack && error) {
        *error = path + ", " + parseError;
    }
    return pack;
}

LanguagePack LanguagePack::loadOrBuiltin(const std::string& folder, Language language) {
    const std::string path = folder + "/" + std::string(packName(language)) + ".lng";
    if (auto pack = loadFile(path)) {
        return *pack;
    }
    return builtin();
}

const std::string& LanguagePack::text(int id) const {
    static const std::string kEmpty;
    const auto it = texts_.find(id);
    return it == texts_.end() ? kEmpty : it->second;
}

}  // namespace hm3300::model

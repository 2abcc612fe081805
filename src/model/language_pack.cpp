#include "model/language_pack.h"

#include <array>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/pack_faults.h"
#include "model/quoted_text.h"

namespace hm3300::model {

// Generated at build time from lang/chinese.lng, english.lng and taiwan.lng.
extern const std::string_view kBuiltinChinese;
extern const std::string_view kBuiltinEnglish;
extern const std::string_view kBuiltinTaiwan;

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
    return builtin(Language::Chinese);
}

const LanguagePack& LanguagePack::builtin(Language language) {
    static const std::array<LanguagePack, 3> packs{*parse(kBuiltinChinese), *parse(kBuiltinEnglish),
                                                   *parse(kBuiltinTaiwan)};
    return packs[static_cast<std::size_t>(language)];
}

std::optional<LanguagePack> LanguagePack::parse(std::string_view content, std::string* error) {
    LanguagePack pack;
    std::map<int, int> lineOfId;
    int lineNumber = 0;
    const auto fail = [&](const std::string& what) {
        if (error) {
            *error = "line " + std::to_string(lineNumber) + ": " + what;
        }
        return std::nullopt;
    };
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
            return fail("expected \"id=text\" with a positive id and at most " +
                        std::to_string(kMaxTextLength) + " bytes of text");
        }
        // Which of two texts the maintainer meant cannot be told.
        if (const auto [first, added] = lineOfId.emplace(id, lineNumber); !added) {
            return fail("id " + std::to_string(id) + " again, first given on line " +
                        std::to_string(first->second));
        }
        pack.texts_[id] = std::string(text);
    }
    return pack;
}

std::optional<LanguagePack> LanguagePack::loadFile(const std::string& path, std::string* error) {
    const auto refuse = [&](const std::string& why) {
        if (error) {
            *error = "language pack " + quotedText(path) + " cannot be used: " + why;
        }
        return std::nullopt;
    };
    // Opening a FIFO or a device would wait for a writer that may never come.
    std::error_code statusError;
    const auto status = std::filesystem::status(path, statusError);
    if (status.type() == std::filesystem::file_type::not_found) {
        return refuse("there is no such file");
    }
    if (statusError) {
        return refuse(statusError.message());
    }
    if (!std::filesystem::is_regular_file(status)) {
        return refuse("it is not a regular file");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return refuse("it cannot be opened");
    }
    std::ostringstream content;
    content << in.rdbuf();
    std::string parseError;
    auto pack = parse(content.str(), &parseError);
    if (!pack) {
        return refuse(parseError);
    }
    if (const auto faults = packFaults(*pack); !faults.empty()) {
        std::string why;
        for (const std::string& fault : faults) {
            why += (why.empty() ? "" : "; ") + fault;
        }
        return refuse(why);
    }
    return pack;
}

std::optional<LanguagePack> LanguagePack::loadOrBuiltin(const std::string& folder,
                                                        Language language, std::string& error) {
    const std::string path = folder + "/" + std::string(packName(language)) + ".lng";
    std::error_code statusError;
    if (std::filesystem::status(path, statusError).type() ==
        std::filesystem::file_type::not_found) {
        return builtin();
    }
    return loadFile(path, &error);
}

const std::string& LanguagePack::text(int id) const {
    static const std::string kEmpty;
    const auto it = texts_.find(id);
    return it == texts_.end() ? kEmpty : it->second;
}

}  // namespace hm3300::model

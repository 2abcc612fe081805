#pragma once
// A language pack: numbered texts of one user interface language, read from
// lang/<name>.lng (UTF-8, one "id=text" per line, "#" starts a comment line).

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace hm3300::model {

enum class Language { Chinese, English, Taiwan };

// "chinese", "english", "taiwan": the pack's file name without ".lng".
std::string_view packName(Language language);
std::optional<Language> languageFromPackName(std::string_view name);

class LanguagePack {
public:
    // The simplified-Chinese texts built into the program, used when no pack file is found.
    static const LanguagePack& builtin();
    // The texts of `language` as built into the program: the command line speaks the
    // built-in English.
    static const LanguagePack& builtin(Language language);

    // Parses pack text; a malformed line or an id given twice is reported in `error` and the
    // parse fails.
    static std::optional<LanguagePack> parse(std::string_view content,
                                             std::string* error = nullptr);
    // Reads and parses the pack file at `path` and refuses a damaged pack (pack_faults.h);
    // `error` then names the file and what is wrong with it.
    static std::optional<LanguagePack> loadFile(const std::string& path,
                                                std::string* error = nullptr);

    // The pack `language` from `folder`, or the built-in texts when there is no such file.
    // A file that is there but cannot be used gives nothing, with `error` set.
    static std::optional<LanguagePack> loadOrBuiltin(const std::string& folder, Language language,
                                                     std::string& error);

    // The text of `id`; empty when the pack lacks it.
    const std::string& text(int id) const;
    bool has(int id) const { return texts_.contains(id); }

private:
    std::map<int, std::string> texts_;
};

}  // namespace hm3300::model

#pragma once
// What every command shares: the language chosen with --lang, its pack and value texts, and
// a codeplug as a fresh program start holds it.

#include <optional>
#include <string>
#include <string_view>

#include "model/codeplug.h"
#include "model/language_pack.h"
#include "model/value_texts.h"

namespace hm3300::cli {

class Arguments;

struct Session {
    model::Language language = model::Language::Chinese;
    model::LanguagePack pack;
    model::ValueTexts texts;
    model::Codeplug codeplug;

    // The language of --lang (default chinese) with its pack from beside the executable.
    // Empty, with `error` set, when --lang names no language.
    static std::optional<Session> start(const Arguments& arguments, std::string& error);

    // Reads `path` into the codeplug as the window's Open does. Prints the reason and
    // returns false when it cannot.
    bool open(const std::string& path);
    // Saves the codeplug as the window's Save does. Prints the reason and returns false when
    // it cannot.
    bool save(const std::string& path) const;

    // True when the codeplug can be written to a radio. Otherwise lists every problem on
    // stdout, one a line, then their count on stderr, naming `path` and ending with
    // `consequence`, and returns false.
    bool listWriteProblems(const std::string& path, std::string_view consequence) const;
};

}  // namespace hm3300::cli

#pragma once
// What every command shares: the language chosen with --lang, its pack and value texts, and
// a codeplug as a fresh program start holds it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "codec/write_check.h"
#include "model/codeplug.h"
#include "model/language_pack.h"
#include "model/value_texts.h"

namespace hm3300::cli {

class Arguments;

// Why a command could not start, and the exit status that says so.
struct StartFailure {
    int status = 0;
    std::string message;
};

struct CommandContext {
    model::Language language = model::Language::Chinese;
    model::LanguagePack pack;
    model::ValueTexts texts;
    model::Codeplug codeplug;
    // --lang was given.
    bool languageChosen = false;

    // The language of --lang (default chinese) with its pack from beside the executable, or
    // the built-in texts when that pack is not there. Empty, with `failure` set, when --lang
    // names no language (a usage error) or the pack is damaged (a file error): a command
    // must not read or write a codeplug with words it cannot trust.
    static std::optional<CommandContext> start(const Arguments& arguments, StartFailure& failure);

    // Reads `path` into the codeplug as the window's Open does, printing what the reader
    // passed over as warnings. Prints the reason and returns false when it cannot.
    bool open(const std::string& path);
    // The same for a file that is edited and saved again: unless --lang chose a language, the
    // file's own language (cli/file_language.h) becomes the context's, so that the saved
    // file keeps its words.
    bool openInItsLanguage(const std::string& path);
    // Saves the codeplug as the window's Save does. Prints the reason and returns false when
    // it cannot.
    bool save(const std::string& path) const;

private:
    // Makes `chosen` the language of the context; false, with `error` set, when its pack is
    // there but damaged.
    bool useLanguage(model::Language chosen, std::string& error);
};

// Lists the problems that keep `path` from being written to a radio on stdout, one a line,
// then their count on stderr, naming `path` and ending with `consequence`.
void printWriteProblems(const std::string& path, const std::vector<codec::WriteProblem>& problems,
                        std::string_view consequence);

}  // namespace hm3300::cli

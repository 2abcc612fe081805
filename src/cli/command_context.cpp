#include "cli/command_context.h"

#include <QFileInfo>
#include <iostream>

#include "cli/arguments.h"
#include "cli/exit_status.h"
#include "cli/file_language.h"
#include "codec/write_check.h"
#include "file/codeplug_file.h"
#include "model/quoted_text.h"
#include "places/local_path.h"
#include "places/program_files.h"

namespace hm3300::cli {

namespace {

// Where the pack of `language` lies: beside this executable or in its installed data
// folder. Where neither has it, the built-in texts stand in.
std::string packFolder(model::Language language) {
    const QString program = places::programFolder();
    const QString pack = places::findDataFile(
        program, QString::fromUtf8(model::packName(language)) + QStringLiteral(".lng"));
    return places::localPath(pack.isEmpty() ? program : QFileInfo(pack).path());
}

}  // namespace

std::optional<CommandContext> CommandContext::start(const Arguments& arguments,
                                                    StartFailure& failure) {
    CommandContext context;
    if (const auto name = arguments.value("--lang")) {
        const auto language = model::languageFromPackName(*name);
        if (!language) {
            failure = {ExitStatus::Usage, "unknown language " + model::quotedText(*name) +
                                              " (use chinese, english or taiwan)"};
            return std::nullopt;
        }
        context.language = *language;
        context.languageChosen = true;
    }
    if (std::string error; !context.useLanguage(context.language, error)) {
        failure = {ExitStatus::FileError, error};
        return std::nullopt;
    }
    return context;
}

bool CommandContext::useLanguage(model::Language chosen, std::string& error) {
    auto loaded = model::LanguagePack::loadOrBuiltin(packFolder(chosen), chosen, error);
    if (!loaded) {
        return false;
    }
    language = chosen;
    pack = std::move(*loaded);
    texts = model::ValueTexts::fromPack(pack);
    return true;
}

bool CommandContext::openInItsLanguage(const std::string& path) {
    if (!languageChosen) {
        if (const auto words = fileLanguage(path, packFolder(model::Language::Chinese))) {
            if (std::string error; !useLanguage(*words, error)) {
                std::cerr << "hm3300d-cli: " << error << "\n";
                return false;
            }
        }
    }
    return open(path);
}

bool CommandContext::open(const std::string& path) {
    std::vector<file::ReadNotice> notices;
    if (const auto error = file::openCodeplug(path, codeplug, texts, notices)) {
        std::cerr << "hm3300d-cli: " << error->message << "\n";
        return false;
    }
    for (const file::ReadNotice& notice : notices) {
        std::cerr << "hm3300d-cli: warning: " << notice.message << "\n";
    }
    return true;
}

bool CommandContext::save(const std::string& path) const {
    if (const auto error = file::saveCodeplug(path, codeplug, pack)) {
        std::cerr << "hm3300d-cli: " << *error << "\n";
        return false;
    }
    return true;
}

void printWriteProblems(const std::string& path, const std::vector<codec::WriteProblem>& problems,
                        std::string_view consequence) {
    std::cout << codec::formatWriteProblems(problems) << "\n";
    std::cerr << path << ": " << problems.size()
              << (problems.size() == 1 ? " problem" : " problems") << "; " << consequence << "\n";
}

}  // namespace hm3300::cli

#include "cli/session.h"

#include <filesystem>
#include <iostream>

#include "cli/arguments.h"
#include "codec/write_check.h"
#include "file/codeplug_file.h"

namespace hm3300::cli {

namespace {

// The folder holding this executable, where the language packs lie.
std::string programFolder() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : executable.parent_path().string();
}

}  // namespace

std::optional<Session> Session::start(const Arguments& arguments, std::string& error) {
    Session session;
    if (const auto name = arguments.value("--lang")) {
        const auto language = model::languageFromPackName(*name);
        if (!language) {
            error = "unknown language \"" + *name + "\" (use chinese, english or taiwan)";
            return std::nullopt;
        }
        session.language = *language;
    }
    session.pack = model::LanguagePack::loadOrBuiltin(programFolder(), session.language);
    session.texts = model::ValueTexts::fromPack(session.pack);
    return session;
}

bool Session::open(const std::string& path) {
    if (const auto error = file::openCodeplug(path, codeplug, texts)) {
        std::cerr << "hm3300d-cli: " << error->message << "\n";
        return false;
    }
    return true;
}

bool Session::save(const std::string& path) const {
    if (const auto error = file::saveCodeplug(path, codeplug, pack)) {
        std::cerr << "hm3300d-cli: " << *error << "\n";
        return false;
    }
    return true;
}

bool Session::listWriteProblems(const std::string& path, std::string_view consequence) const {
    const auto problems = codec::checkWritable(codeplug, texts);
    if (problems.empty()) {
        return true;
    }
    for (const auto& problem : problems) {
        std::cout << problem.toString() << "\n";
    }
    std::cerr << path << ": " << problems.size()
              << (problems.size() == 1 ? " problem" : " problems") << "; " << consequence << "\n";
    return false;
}

}  // namespace hm3300::cli

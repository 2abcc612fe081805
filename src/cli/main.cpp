// hm3300d-cli: the command-line front end for scripting.

#include <QCoreApplication>
#include <array>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "build_info.h"
#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/command_context.h"
#include "cli/exit_status.h"

namespace hm3300::cli {

namespace {

std::array<const Command*, 10> commands() {
    return {&checkCommand(),  &convertCommand(), &showCommand(), &setCommand(),   &clearCommand(),
            &exportCommand(), &importCommand(),  &readCommand(), &writeCommand(), &portsCommand()};
}

void printOverview(std::ostream& out) {
    out << "Usage: hm3300d-cli COMMAND [ARGUMENTS]\n\n"
           "Programs the HM-3300D radio and works on its codeplug files (*.p46).\n"
           "hm3300d-cli COMMAND --help explains each command.\n\n"
           "Commands:\n";
    for (const Command* command : commands()) {
        out << "  " << command->name << std::string(10 - command->name.size(), ' ')
            << command->summary << "\n";
    }
    out << "\nOptions:\n"
           "  --help     show this text\n"
           "  --version  show the version of the program\n";
}

std::optional<std::string> fileNamesError(const Command& command, const Arguments& arguments) {
    const std::vector<std::string>& words = arguments.positional();
    if (words.size() == command.fileCount ||
        (command.moreWords && words.size() > command.fileCount)) {
        return std::nullopt;
    }
    if (command.fileCount == 0) {
        return "unexpected argument " + words.front();
    }
    return "expected " + std::string(command.fileNames);
}

const Command* findCommand(std::string_view name) {
    for (const Command* command : commands()) {
        if (command->name == name) {
            return command;
        }
    }
    return nullptr;
}

// Checks the words against what the command declares and starts the context of --lang, so
// that a command runs only on a command line it can take.
int runCommand(const Command& command, std::vector<std::string> words) {
    const Arguments arguments(std::move(words), command.valuedOptions, command.switches);
    if (arguments.helpRequested()) {
        std::cout << command.help;
        return ExitStatus::Success;
    }
    if (!arguments.error().empty()) {
        return usageError(command, arguments.error());
    }
    if (const auto error = fileNamesError(command, arguments)) {
        return usageError(command, *error);
    }
    StartFailure failure;
    auto context = CommandContext::start(arguments, failure);
    if (!context) {
        if (failure.status == ExitStatus::Usage) {
            return usageError(command, failure.message);
        }
        std::cerr << "hm3300d-cli: " << failure.message << "\n";
        return failure.status;
    }
    return command.run(arguments, *context);
}

int run(const std::vector<std::string>& words) {
    if (words.empty()) {
        printOverview(std::cerr);
        return ExitStatus::Usage;
    }
    if (words.front() == "--help" || words.front() == "help") {
        printOverview(std::cout);
        return ExitStatus::Success;
    }
    if (words.front() == "--version") {
        std::cout << "hm3300d-cli " << build::kVersion << "\n";
        return ExitStatus::Success;
    }
    if (const Command* command = findCommand(words.front())) {
        return runCommand(*command, {words.begin() + 1, words.end()});
    }
    std::cerr << "hm3300d-cli: unknown command \"" << words.front() << "\"\n\n";
    printOverview(std::cerr);
    return ExitStatus::Usage;
}

}  // namespace

int usageError(const Command& command, const std::string& message) {
    std::cerr << "hm3300d-cli " << command.name << ": " << message << "\n"
              << command.help.substr(0, command.help.find('\n')) << "\n";
    return ExitStatus::Usage;
}

}  // namespace hm3300::cli

int main(int argc, char** argv) {
    // The read and write commands wait in Qt event loops; the others do not mind it.
    const QCoreApplication application(argc, argv);
    return hm3300::cli::run(std::vector<std::string>(argv + 1, argv + argc));
}

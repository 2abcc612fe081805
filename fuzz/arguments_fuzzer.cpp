// The command-line parser on any words. The input is words separated by NUL bytes: the first
// declares the options that take a value and the second the switches (each a list separated
// by blanks), the rest is the command line.
//
// A command line the parser takes is accounted for word by word: no option-like word is
// positional, and the same options, values and positional words written in another order
// (options first) parse to the same result. A refused one names a word it was given.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "finding.h"

namespace hm3300::fuzz {
namespace {

std::vector<std::string> split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

std::set<std::string> declared(const std::string& list) {
    std::set<std::string> names;
    for (std::string& name : split(list, ' ')) {
        if (!name.empty()) {
            names.insert(std::move(name));
        }
    }
    return names;
}

bool looksLikeAnOption(const std::string& word) {
    return word.size() > 1 && word[0] == '-';
}

bool sameResult(const cli::Arguments& a, const cli::Arguments& b,
                const std::set<std::string>& options) {
    return a.error() == b.error() && a.positional() == b.positional() &&
           std::all_of(options.begin(), options.end(), [&](const std::string& option) {
               return a.has(option) == b.has(option) && a.value(option) == b.value(option);
           });
}

void checkArguments(std::string_view input) {
    std::vector<std::string> words = split(input, '\0');
    if (words.size() < 2) {
        return;
    }
    const std::set<std::string> valued = declared(words[0]);
    const std::set<std::string> switches = declared(words[1]);
    words.erase(words.begin(), words.begin() + 2);
    const cli::Arguments arguments(words, valued, switches);

    if (!arguments.error().empty()) {
        const auto named = [&](const std::string& word) {
            return arguments.error().find(word) != std::string::npos;
        };
        if (std::none_of(words.begin(), words.end(), named)) {
            reportFinding("the error \"" + arguments.error() + "\" names none of the words");
        }
        return;
    }
    for (const std::string& word : arguments.positional()) {
        if (looksLikeAnOption(word)) {
            reportFinding("the option-like word \"" + word + "\" is positional");
        }
    }
    std::set<std::string> options = valued;
    options.insert(switches.begin(), switches.end());
    options.insert("--help");
    std::vector<std::string> reordered;
    for (const std::string& option : options) {
        if (const auto value = arguments.value(option)) {
            reordered.insert(reordered.end(), {option, *value});
        } else if (arguments.has(option)) {
            reordered.push_back(option);
        }
    }
    reordered.insert(reordered.end(), arguments.positional().begin(), arguments.positional().end());
    require(reordered.size() <= words.size(), "more words accounted for than given");
    require(sameResult(cli::Arguments(reordered, valued, switches), arguments, options),
            "the same options and words in another order parse differently");
}

}  // namespace
}  // namespace hm3300::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    hm3300::fuzz::checkArguments(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}

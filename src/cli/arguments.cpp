#include "cli/arguments.h"

namespace hm3300::cli {

Arguments::Arguments(std::vector<std::string> words, std::set<std::string> valued,
                     std::set<std::string> switches) {
    switches.insert("--help");
    for (std::size_t i = 0; i < words.size() && error_.empty(); ++i) {
        const std::string& word = words[i];
        if (valued.contains(word)) {
            if (i + 1 == words.size()) {
                error_ = word + " needs a value";
            } else {
                values_[word] = words[++i];
            }
        } else if (switches.contains(word)) {
            switches_.insert(word);
        } else if (word.size() > 1 && word[0] == '-') {
            error_ = "unknown option " + word;
        } else {
            positional_.push_back(word);
        }
    }
}

std::optional<std::string> Arguments::value(const std::string& option) const {
    const auto it = values_.find(option);
    if (it == values_.end()) {
        return std::nullopt;
    }
    return it->second;
}

bool Arguments::has(const std::string& option) const {
    return switches_.contains(option) || values_.contains(option);
}

}  // namespace hm3300::cli

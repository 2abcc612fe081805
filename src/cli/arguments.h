#pragma once
// A command's arguments: "--name value" options, "--flag" switches and positional words.
// Anything the command did not declare is a usage error.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace hm3300::cli {

class Arguments {
public:
    // `valued` options take the next word as value; `switches` stand alone.
    Arguments(std::vector<std::string> words, std::set<std::string> valued,
              std::set<std::string> switches);

    // Empty when the words fit the declaration; otherwise what is wrong.
    const std::string& error() const { return error_; }
    bool helpRequested() const { return has("--help"); }

    std::optional<std::string> value(const std::string& option) const;
    bool has(const std::string& option) const;
    const std::vector<std::string>& positional() const { return positional_; }

private:
    std::map<std::string, std::string> values_;
    std::set<std::string> switches_;
    std::vector<std::string> positional_;
    std::string error_;
};

}  // namespace hm3300::cli

#pragma once
// A text for a person that can be shown in any language. The core says what happened as a
// Message; each front end shows it in its language: the window in the current one, the
// command line in English.
//
// A message is either the pack text `id`, whose places %1, %2, ... are filled by its
// arguments (messages themselves), or a literal shown as it stands: a file name, a number,
// a text from a file.

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

namespace hm3300::model {

class LanguagePack;

class Message {
public:
    Message() = default;
    // A literal: data, not words of the program.
    Message(std::string literal) : literal_(std::move(literal)) {}  // NOLINT: implicit on purpose
    Message(const char* literal) : literal_(literal) {}             // NOLINT: implicit on purpose
    Message(int id, std::initializer_list<Message> arguments) : id_(id), arguments_(arguments) {}
    explicit Message(int id) : id_(id) {}

    bool empty() const { return id_ == 0 && literal_.empty(); }
    int id() const { return id_; }

    // The message in `pack`; a place the pack's text lacks an argument for stays empty.
    std::string in(const LanguagePack& pack) const;
    // The message in the built-in English texts, for the command line and for logs.
    std::string english() const;

    bool operator==(const Message&) const = default;
    // A message is not its English text: compare english() with a text.
    bool operator==(const char*) const = delete;
    bool operator==(const std::string&) const = delete;
    // Streams in English, as the command line speaks.
    friend std::ostream& operator<<(std::ostream& out, const Message& message) {
        return out << message.english();
    }

private:
    int id_ = 0;
    std::string literal_;
    std::vector<Message> arguments_;
};

}  // namespace hm3300::model

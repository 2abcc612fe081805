#pragma once
// Texts from files and from the operator inside messages. A control character (a NUL in an
// alias, an escape sequence) is shown as an escape, so a message never carries it raw to a
// terminal or a dialog.

#include <string>
#include <string_view>

namespace hm3300::model {

// `text` with every C0 control and DEL written as \xNN and every C1 control as \uNNNN.
std::string escapedText(std::string_view text);

// escapedText(text) in double quotes.
std::string quotedText(std::string_view text);

}  // namespace hm3300::model

#pragma once
// The codeplug text file (*.p46): 187 CR LF lines in GBK, read back by position.
// Lines 4-7 the band texts, 8-57 the radio settings (line 26 empty), 60-187 one line per
// channel: "CH001" and the sixteen fields, each after " | ", closed by " | ".

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/codeplug.h"
#include "model/language_pack.h"
#include "model/message.h"

namespace hm3300::file {

struct ReadError {
    enum class Kind { CannotRead, WrongHeader, Malformed };
    Kind kind;
    int line = 0;            // 1-based line of a malformed value, 0 when not about one line
    model::Message message;  // says what was wrong, with the file name and line where known
};

// Something the reader passed over without failing: lines after the last channel line, or
// a channel line without a receive frequency whose other fields were left out.
struct ReadNotice {
    int line = 0;            // 1-based line it is about
    model::Message message;  // says what was passed over, with the file name and line
};

// The file's text as the writer would produce it under `pack` (UTF-8, CR LF).
std::string formatCodeplug(const model::Codeplug& codeplug, const model::LanguagePack& pack);

// The bytes of the file as saved: formatCodeplug's text in GBK. Nothing when GBK cannot
// represent the text; `problem` then says what and where.
std::optional<std::string> encodeCodeplugFile(const model::Codeplug& codeplug,
                                              const model::LanguagePack& pack,
                                              model::Message& problem);

// Writes `path` in GBK with CR LF, through a temporary file renamed over the target, so a
// failed save leaves any earlier file intact. Returns an error message, or nothing.
std::optional<model::Message> saveCodeplug(const std::string& path, const model::Codeplug& codeplug,
                                           const model::LanguagePack& pack);

// Reads `path` (GBK or UTF-8, CR LF or LF) into `codeplug` as Open does: the band texts are
// selected in or added to the band lists, the settings the file carries are set, the
// channels are replaced, and every recognised value text of any language becomes the word
// of `texts`. A channel line without a receive frequency gives an empty channel. What was
// passed over is added to `notices`. On any error `codeplug` and `notices` are left exactly
// as they were.
std::optional<ReadError> openCodeplug(const std::string& path, model::Codeplug& codeplug,
                                      const model::ValueTexts& texts,
                                      std::vector<ReadNotice>& notices);

// openCodeplug on the bytes of a file already read; messages name the line but no file.
std::optional<ReadError> readCodeplug(std::string_view bytes, model::Codeplug& codeplug,
                                      const model::ValueTexts& texts,
                                      std::vector<ReadNotice>& notices);

}  // namespace hm3300::file

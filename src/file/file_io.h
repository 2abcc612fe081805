#pragma once
// Reading a whole file and replacing one safely. Failures come back as a message naming the
// file and the system's reason.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "model/message.h"

namespace hm3300::file {

// The system's reason `error` (an errno value) in the user's language where it is a common
// one; otherwise the system's own words.
model::Message systemError(int error);

// Reads `path` into `contents`; refuses folders, devices and files larger than `maxSize`
// bytes. A FIFO or pipe is read to its end.
std::optional<model::Message> readWholeFile(const std::string& path, std::size_t maxSize,
                                            std::string& contents);

// Writes `contents` to a new file beside `path`, flushes it to disk and renames it over
// `path`: either the complete new file is in place or the old one is untouched. A symbolic
// link is followed and the file it names is replaced; a folder, FIFO or device at `path` is
// refused and left as it is.
std::optional<model::Message> replaceFile(const std::string& path, std::string_view contents);

// Whether replaceFile could save to `path` now, found out by creating and removing a file
// beside it, so that work whose result would be saved there need not start in vain. Nothing
// at `path` changes.
std::optional<model::Message> checkReplaceable(const std::string& path);

}  // namespace hm3300::file

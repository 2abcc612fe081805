#pragma once
// Reading a whole file and replacing one safely. Failures come back as a message naming the
// file and the system's reason.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace hm3300::file {

// Reads `path` into `contents`; refuses folders and files larger than `maxSize` bytes.
std::optional<std::string> readWholeFile(const std::string& path, std::size_t maxSize,
                                         std::string& contents);

// Writes `contents` to a new file beside `path`, flushes it to disk and renames it over
// `path`: either the complete new file is in place or the old one is untouched.
std::optional<std::string> replaceFile(const std::string& path, std::string_view contents);

}  // namespace hm3300::file

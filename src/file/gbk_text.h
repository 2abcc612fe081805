#pragma once
// Conversion between UTF-8, the program's own text form, and GBK, the code page of codeplug
// files on disk (POSIX iconv).

#include <cstddef>
#include <string>
#include <string_view>

namespace hm3300::file {

struct TextConversion {
    enum class Status { Ok, Unconvertible, NoConverter };
    Status status = Status::Ok;
    std::string text;          // the converted text; complete only when status is Ok
    std::size_t failedAt = 0;  // Unconvertible: input byte offset of the first character left over
};

TextConversion utf8ToGbk(std::string_view utf8);
TextConversion gbkToUtf8(std::string_view gbk);

}  // namespace hm3300::file

#include "file/gbk_text.h"

#include <iconv.h>

#include <cerrno>

namespace hm3300::file {

namespace {

TextConversion convert(const char* to, const char* from, std::string_view input) {
    TextConversion result;
    iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        result.status = TextConversion::Status::NoConverter;
        return result;
    }
    // iconv's interface takes a non-const input pointer but never writes through it.
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    std::string& out = result.text;
    out.resize(input.size() * 2 + 16);
    std::size_t produced = 0;
    while (inLeft > 0) {
        char* outPtr = out.data() + produced;
        std::size_t outLeft = out.size() - produced;
        const std::size_t rc = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
        produced = static_cast<std::size_t>(outPtr - out.data());
        if (rc != static_cast<std::size_t>(-1)) {
            break;
        }
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        // EILSEQ: a character without counterpart; EINVAL: a sequence cut off at the end.
        result.status = TextConversion::Status::Unconvertible;
        result.failedAt = static_cast<std::size_t>(in - input.data());
        break;
    }
    out.resize(produced);
    iconv_close(converter);
    return result;
}

}  // namespace

TextConversion utf8ToGbk(std::string_view utf8) {
    return convert("GBK", "UTF-8", utf8);
}

TextConversion gbkToUtf8(std::string_view gbk) {
    return convert("UTF-8", "GBK", gbk);
}

}  // namespace hm3300::file

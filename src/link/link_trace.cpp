#include "link/link_trace.h"

#include <iomanip>
#include <string>

#include "codec/hex_text.h"

namespace hm3300::link {

namespace {

// "52 03 0C C0 10 ED"
std::string spacedHex(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (std::uint8_t byte : bytes) {
        if (!text.empty()) {
            text += ' ';
        }
        text += codec::hexByte(byte);
    }
    return text;
}

}  // namespace

void LinkTrace::sent(std::int64_t nowMs, std::span<const std::uint8_t> bytes) {
    line(nowMs, '>', spacedHex(bytes));
}

void LinkTrace::received(std::int64_t nowMs, std::span<const std::uint8_t> bytes) {
    line(nowMs, '<', spacedHex(bytes));
}

void LinkTrace::waited(std::int64_t nowMs, int ms) {
    line(nowMs, '.', "waited " + std::to_string(ms) + " ms");
}

void LinkTrace::dropped(std::int64_t nowMs, std::span<const std::uint8_t> bytes) {
    line(nowMs, 'x', "dropped " + spacedHex(bytes));
}

void LinkTrace::note(std::int64_t nowMs, std::string_view text) {
    line(nowMs, '#', text);
}

void LinkTrace::line(std::int64_t nowMs, char mark, std::string_view text) {
    if (!started_) {
        started_ = true;
        originMs_ = nowMs;
    }
    out_ << std::setw(7) << nowMs - originMs_ << " ms  " << mark << "  " << text << '\n';
    out_.flush();
}

}  // namespace hm3300::link

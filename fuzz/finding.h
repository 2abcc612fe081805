#pragma once
// A broken invariant: what broke goes to standard error and the target aborts, which
// libFuzzer records as a finding together with the input that caused it.

#include <string_view>

#include "model/codeplug.h"

namespace hm3300::fuzz {

[[noreturn]] void reportFinding(std::string_view what);

inline void require(bool holds, std::string_view what) {
    if (!holds) {
        reportFinding(what);
    }
}

// Stops unless `actual` equals `expected`, naming every field that differs.
void requireSameCodeplug(const model::Codeplug& actual, const model::Codeplug& expected,
                         std::string_view what);

}  // namespace hm3300::fuzz

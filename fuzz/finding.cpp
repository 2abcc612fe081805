#include "finding.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "test_codeplugs.h"

namespace hm3300::fuzz {

void reportFinding(std::string_view what) {
    std::fprintf(stderr, "FINDING: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}

void requireSameCodeplug(const model::Codeplug& actual, const model::Codeplug& expected,
                         std::string_view what) {
    if (actual == expected) {
        return;
    }
    reportFinding(std::string(what) + ":\n" + link::testing::differences(actual, expected));
}

}  // namespace hm3300::fuzz

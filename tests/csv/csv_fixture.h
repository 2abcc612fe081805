#pragma once
// The sample codeplug the CSV tests start from: band 1 "400-470MHz" active, the 6.25 kHz
// step, twelve channels, read with the built-in simplified-Chinese value words.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "file/codeplug_file.h"
#include "model/language_pack.h"

namespace hm3300::csv::test {

inline const model::ValueTexts& chineseTexts() {
    static const model::ValueTexts texts =
        model::ValueTexts::fromPack(model::LanguagePack::builtin());
    return texts;
}

inline model::Codeplug sampleCodeplug() {
    model::Codeplug codeplug;
    std::vector<file::ReadNotice> notices;
    const auto error = file::openCodeplug(std::string(HM3300_SOURCE_DIR) + "/samples/sample.p46",
                                          codeplug, chineseTexts(), notices);
    EXPECT_FALSE(error) << error->message;
    return codeplug;
}

}  // namespace hm3300::csv::test

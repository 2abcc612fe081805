// The language pack reader on any bytes. A pack that parses and passes the damage check keeps
// every value apart: a codeplug holding each value word of each channel field, saved under
// the pack, opens under the pack as the same codeplug, and under the built-in texts with
// every value the value it was.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "file/codeplug_file.h"
#include "finding.h"
#include "model/language_pack.h"
#include "model/pack_faults.h"
#include "model/value_texts.h"

namespace hm3300::fuzz {
namespace {

using model::ChannelField;

std::size_t mostValuesOfAField() {
    std::size_t most = 0;
    for (ChannelField field : model::allChannelFields()) {
        most = std::max(most, model::valueKindsOf(field).size());
    }
    return most;
}

// The value a field of row `row` holds in everyValueWord.
model::ValueKind valueOf(ChannelField field, int row) {
    const auto kinds = model::valueKindsOf(field);
    return kinds[static_cast<std::size_t>(row - 1) % kinds.size()];
}

// Rows 1, 2, ... hold in turn each value of every field that holds value words.
model::Codeplug everyValueWord(const model::ValueTexts& texts) {
    model::Codeplug codeplug;
    for (int row = 1; row <= static_cast<int>(mostValuesOfAField()); ++row) {
        model::Channel& channel = codeplug.channels.row(row);
        channel[ChannelField::RxFreq] = "145.00000";
        for (ChannelField field : model::allChannelFields()) {
            if (!model::valueKindsOf(field).empty()) {
                channel[field] = texts.text(valueOf(field, row));
            }
        }
    }
    return codeplug;
}

// Opening converts the words it recognises and leaves a word it does not know as it is; it
// never gives a value the word of another.
void requireSameValues(const model::Codeplug& opened, const model::ValueTexts& saved,
                       const model::ValueTexts& current) {
    for (int row = 1; row <= static_cast<int>(mostValuesOfAField()); ++row) {
        for (ChannelField field : model::allChannelFields()) {
            if (model::valueKindsOf(field).empty()) {
                continue;
            }
            const model::ValueKind kind = valueOf(field, row);
            const std::string& cell = opened.channels.row(row)[field];
            if (cell != current.text(kind) && cell != saved.text(kind)) {
                reportFinding("row " + std::to_string(row) + " " +
                              std::string(model::fieldName(field)) + ": the word \"" +
                              saved.text(kind) + "\" opens as \"" + cell + "\"");
            }
        }
    }
}

void checkPack(std::string_view bytes) {
    const auto pack = model::LanguagePack::parse(bytes);
    if (!pack || !model::packFaults(*pack).empty()) {
        return;
    }
    const model::ValueTexts texts = model::ValueTexts::fromPack(*pack);
    const model::Codeplug codeplug = everyValueWord(texts);
    model::Message problem;
    const auto saved = file::encodeCodeplugFile(codeplug, *pack, problem);
    if (!saved) {
        return;
    }
    std::vector<file::ReadNotice> notices;
    model::Codeplug opened;
    if (const auto error = file::readCodeplug(*saved, opened, texts, notices)) {
        reportFinding("a file saved under the pack does not open: " + error->message.english());
    }
    requireSameCodeplug(opened, codeplug, "a file saved under the pack opens changed");

    static const model::ValueTexts builtin =
        model::ValueTexts::fromPack(model::LanguagePack::builtin());
    model::Codeplug openedInChinese;
    if (const auto error = file::readCodeplug(*saved, openedInChinese, builtin, notices)) {
        reportFinding("a file saved under the pack does not open in Chinese: " +
                      error->message.english());
    }
    requireSameValues(openedInChinese, texts, builtin);
}

}  // namespace
}  // namespace hm3300::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    hm3300::fuzz::checkPack(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}

// The CSV channel list reader on any bytes. A list that imports changes nothing when the
// channels it gave are exported and imported again; a list that cannot be imported leaves
// the codeplug as it was.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "csv/channel_csv.h"
#include "finding.h"
#include "model/language_pack.h"
#include "model/value_texts.h"

namespace hm3300::fuzz {
namespace {

// Band 1 is 400-470 MHz, as on the sample, so that rows inside it import.
model::Codeplug startingCodeplug() {
    model::Codeplug codeplug;
    codeplug.bands[model::BandListId::BAND_Rx] = {{"400-470MHz"}, 0};
    return codeplug;
}

void checkCsv(std::string_view bytes) {
    static const model::ValueTexts texts =
        model::ValueTexts::fromPack(model::LanguagePack::builtin());
    static const model::Codeplug start = startingCodeplug();
    model::Codeplug imported = start;
    csv::CsvImport result;
    if (csv::importChannelsCsv(bytes, imported, texts, result)) {
        requireSameCodeplug(imported, start, "a list that cannot be imported changed channels");
        return;
    }
    model::Codeplug again = imported;
    csv::CsvImport second;
    const auto error =
        csv::importChannelsCsv(csv::exportChannelsCsv(imported, texts), again, texts, second);
    require(!error, "an exported list cannot be imported");
    require(second.reports.empty(), "an exported list imports with reports");
    requireSameCodeplug(again, imported, "an exported list imports to other channels");
}

}  // namespace
}  // namespace hm3300::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    hm3300::fuzz::checkCsv(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}

// The codeplug file reader on any bytes. A file that opens saves, and the saved file opens
// to the same document: nothing a user can open is changed or lost by saving it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "file/codeplug_file.h"
#include "finding.h"
#include "model/language_pack.h"
#include "model/value_texts.h"

namespace hm3300::fuzz {
namespace {

void checkFile(std::string_view bytes) {
    const model::LanguagePack& pack = model::LanguagePack::builtin();
    static const model::ValueTexts texts = model::ValueTexts::fromPack(pack);
    std::vector<file::ReadNotice> notices;
    model::Codeplug opened;
    if (file::readCodeplug(bytes, opened, texts, notices)) {
        return;
    }
    model::Message problem;
    const auto saved = file::encodeCodeplugFile(opened, pack, problem);
    if (!saved) {
        // Save refuses a text that GBK cannot hold and says so; the open file stays as it is.
        return;
    }
    model::Codeplug reopened;
    if (const auto error = file::readCodeplug(*saved, reopened, texts, notices)) {
        reportFinding("the saved file does not open: " + error->message.english());
    }
    requireSameCodeplug(reopened, opened, "the saved file opens to another document");
}

}  // namespace
}  // namespace hm3300::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    hm3300::fuzz::checkFile(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}

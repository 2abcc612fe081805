#include "file/codeplug_layout.h"

#include <algorithm>
#include <cassert>
#include <vector>

namespace hm3300::file {

namespace {

std::vector<LayoutLine> buildLayout() {
    using Kind = LayoutLine::Kind;
    std::vector<LayoutLine> lines{{Kind::Header}, {Kind::Empty}, {Kind::Empty}};
    for (model::BandListId band : model::kBandListIds) {
        lines.push_back({Kind::Band, band});
    }
    for (const model::OptionDefinition& definition : model::allOptions()) {
        if (!definition.inFile) {
            continue;
        }
        // The function options end and the DTMF options begin after an empty line.
        if (definition.option == model::Option::Digit_Time) {
            lines.push_back({Kind::Empty});
        }
        lines.push_back({Kind::Option, {}, definition.option});
    }
    lines.push_back({Kind::Empty});
    lines.push_back({Kind::Empty});
    assert(lines.size() == kFirstChannelLine - 1);
    return lines;
}

}  // namespace

std::string_view LayoutLine::key() const {
    switch (kind) {
        case Kind::Band:
            return model::bandListName(band);
        case Kind::Option:
            return model::optionDefinition(option).key;
        default:
            return {};
    }
}

std::span<const LayoutLine> settingsLayout() {
    static const std::vector<LayoutLine> layout = buildLayout();
    return layout;
}

std::size_t lineNumberAt(std::string_view text, std::size_t offset) {
    return static_cast<std::size_t>(std::count(text.begin(), text.begin() + offset, '\n')) + 1;
}

}  // namespace hm3300::file

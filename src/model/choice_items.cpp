#include "model/choice_items.h"

#include "model/language_pack.h"
#include "model/text_ids.h"

namespace hm3300::model {

namespace {

using Items = std::vector<ChoiceItem>;

Items fixed(std::initializer_list<const char*> texts) {
    Items items;
    for (const char* text : texts) {
        items.push_back({text});
    }
    return items;
}

Items fromPack(const LanguagePack& pack, std::initializer_list<int> ids) {
    Items items;
    for (int id : ids) {
        items.push_back({pack.text(id), id});
    }
    return items;
}

Items numbered(int first, int last, std::string_view suffix, int suffixId = 0) {
    Items items;
    for (int i = first; i <= last; ++i) {
        items.push_back({std::to_string(i) + std::string(suffix), suffixId});
    }
    return items;
}

Items apoItems(const LanguagePack& pack) {
    Items items{{pack.text(TextId::Off), TextId::Off}};
    for (int hours = 1; hours <= 15; ++hours) {
        // One-digit hours carry a leading blank so the list lines up.
        items.push_back({(hours < 10 ? " " : "") + std::to_string(hours) + "H"});
    }
    return items;
}

Items totItems(const LanguagePack& pack) {
    Items items{{pack.text(TextId::Off), TextId::Off}};
    for (ChoiceItem& item : numbered(1, 7, pack.text(TextId::TotMinutes), TextId::TotMinutes)) {
        items.push_back(std::move(item));
    }
    return items;
}

}  // namespace

std::vector<ChoiceItem> choiceItemsWithIds(Option option, const LanguagePack& pack) {
    switch (option) {
        case Option::APO:
            return apoItems(pack);
        case Option::scankind:
            return fixed({"CO", "TO"});
        case Option::step:
            return fixed({"5kHz", "6.25kHZ", "10kHz", "12.5kHz", "25kHz"});
        case Option::VFO_MR:
            return fixed({"MR", "VFO"});
        case Option::MR_freq_MR_CH:
            return fixed({"MR CH", "MR freq."});
        case Option::Squelch:
            return numbered(0, 9, "");
        case Option::TOT:
            return totItems(pack);
        case Option::Monitor: {
            auto items = fixed({"CTC/DCS", "DTMF"});
            for (ChoiceItem& item :
                 fromPack(pack, {TextId::MonitorToneAndDtmf, TextId::MonitorToneOrDtmf})) {
                items.push_back(std::move(item));
            }
            return items;
        }
        case Option::Band:
            return fromPack(pack, {TextId::BandTwo, TextId::BandOne});
        case Option::VoxSQL:
            return numbered(1, 8, "");
        case Option::VoxDelay:
            return numbered(1, 4, "s");
        case Option::PTT_ID:
            return fromPack(pack, {TextId::PttIdAtStart, TextId::PttIdAtEnd, TextId::PttIdBoth});
        case Option::Group:
            return fixed({"A", "B", "C", "D", "*", "#"});
        case Option::Stun_Type:
            return fromPack(pack, {TextId::StunKill, TextId::StunStun});
        case Option::Key_Assignment:
            return fromPack(pack, {TextId::KeyMonitor, TextId::KeyMonitor + 1,
                                   TextId::KeyMonitor + 2, TextId::KeyMonitor + 3});
        // A hidden option whose item texts no pack replaces.
        case Option::SpareKeyAssignment:
            return fixed({"呼叫键", "报警开关", "监听"});
        default:
            return {};
    }
}

std::vector<std::string> choiceItems(Option option, const LanguagePack& pack) {
    std::vector<std::string> texts;
    for (ChoiceItem& item : choiceItemsWithIds(option, pack)) {
        texts.push_back(std::move(item.text));
    }
    return texts;
}

std::string choiceItemText(Option option, int index, const LanguagePack& pack) {
    const auto items = choiceItems(option, pack);
    return index >= 0 && index < static_cast<int>(items.size())
               ? items[static_cast<std::size_t>(index)]
               : std::string{};
}

}  // namespace hm3300::model

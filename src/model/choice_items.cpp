#include "model/choice_items.h"

#include "model/language_pack.h"
#include "model/text_ids.h"

namespace hm3300::model {

namespace {

std::vector<std::string> fromPack(const LanguagePack& pack, std::initializer_list<int> ids) {
    std::vector<std::string> items;
    for (int id : ids) {
        items.push_back(pack.text(id));
    }
    return items;
}

std::vector<std::string> numbered(int first, int last, std::string_view suffix) {
    std::vector<std::string> items;
    for (int i = first; i <= last; ++i) {
        items.push_back(std::to_string(i) + std::string(suffix));
    }
    return items;
}

std::vector<std::string> apoItems(const LanguagePack& pack) {
    std::vector<std::string> items{pack.text(TextId::Off)};
    for (int hours = 1; hours <= 15; ++hours) {
        // One-digit hours carry a leading blank so the list lines up.
        items.push_back((hours < 10 ? " " : "") + std::to_string(hours) + "H");
    }
    return items;
}

std::vector<std::string> totItems(const LanguagePack& pack) {
    std::vector<std::string> items{pack.text(TextId::Off)};
    for (std::string& item : numbered(1, 7, pack.text(TextId::TotMinutes))) {
        items.push_back(std::move(item));
    }
    return items;
}

}  // namespace

std::vector<std::string> choiceItems(Option option, const LanguagePack& pack) {
    switch (option) {
        case Option::APO:
            return apoItems(pack);
        case Option::scankind:
            return {"CO", "TO"};
        case Option::step:
            return {"5kHz", "6.25kHZ", "10kHz", "12.5kHz", "25kHz"};
        case Option::VFO_MR:
            return {"MR", "VFO"};
        case Option::MR_freq_MR_CH:
            return {"MR CH", "MR freq."};
        case Option::Squelch:
            return numbered(0, 9, "");
        case Option::TOT:
            return totItems(pack);
        case Option::Monitor: {
            auto items = fromPack(pack, {TextId::MonitorToneAndDtmf, TextId::MonitorToneOrDtmf});
            items.insert(items.begin(), {"CTC/DCS", "DTMF"});
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
            return {"A", "B", "C", "D", "*", "#"};
        case Option::Stun_Type:
            return fromPack(pack, {TextId::StunKill, TextId::StunStun});
        case Option::Key_Assignment:
            return fromPack(pack, {TextId::KeyMonitor, TextId::KeyMonitor + 1,
                                   TextId::KeyMonitor + 2, TextId::KeyMonitor + 3});
        // A hidden option whose item texts no pack replaces.
        case Option::SpareKeyAssignment:
            return {"呼叫键", "报警开关", "监听"};
        default:
            return {};
    }
}

std::string choiceItemText(Option option, int index, const LanguagePack& pack) {
    const auto items = choiceItems(option, pack);
    return index >= 0 && index < static_cast<int>(items.size())
               ? items[static_cast<std::size_t>(index)]
               : std::string{};
}

}  // namespace hm3300::model

#include "model/pack_faults.h"

#include <algorithm>
#include <set>
#include <span>

#include "model/channel.h"
#include "model/choice_items.h"
#include "model/language_pack.h"
#include "model/quoted_text.h"
#include "model/radio_settings.h"
#include "model/text_ids.h"
#include "model/tone_list.h"

namespace hm3300::model {

namespace {

// "1-32, 34, 36-37" for ascending ids.
std::string idRanges(const std::vector<int>& ids) {
    std::string text;
    for (std::size_t first = 0; first < ids.size();) {
        std::size_t last = first;
        while (last + 1 < ids.size() && ids[last + 1] == ids[last] + 1) {
            ++last;
        }
        text += (text.empty() ? "" : ", ") + std::to_string(ids[first]);
        if (last > first) {
            text += "-" + std::to_string(ids[last]);
        }
        first = last + 1;
    }
    return text;
}

void findLackingIds(const LanguagePack& pack, std::vector<std::string>& faults) {
    std::vector<int> lacking;
    for (int id : TextId::kAll) {
        if (pack.text(id).empty()) {
            lacking.push_back(id);
        }
    }
    if (!lacking.empty()) {
        faults.push_back("lacks " + std::string(lacking.size() == 1 ? "id " : "ids ") +
                         idRanges(lacking));
    }
}

// Open converts the words of every language it knows into the current ones: a pack word
// that is another value's word in some language would turn into that value.
void findWordsOfOtherValues(const LanguagePack& pack, ChannelField field,
                            std::span<const ValueKind> kinds, std::vector<std::string>& faults) {
    for (ValueKind kind : kinds) {
        const std::string& word = pack.text(packTextId(kind));
        const ValueKind* readAs = recognise(word, kinds);
        // Two ids with one word are reported as such.
        if (readAs == nullptr || *readAs == kind || pack.text(packTextId(*readAs)) == word) {
            continue;
        }
        faults.push_back("id " + std::to_string(packTextId(kind)) + " reads " + quotedText(word) +
                         ", which files open as the value of id " +
                         std::to_string(packTextId(*readAs)) + ", two values of " +
                         std::string(fieldName(field)));
    }
}

// A codeplug file separates the fields of a channel line with bars, so a value word with a
// bar in it would split its field in two and shift the fields after it.
void findFieldSeparators(const LanguagePack& pack, std::vector<std::string>& faults) {
    std::set<int> ids;
    for (ChannelField field : allChannelFields()) {
        for (ValueKind kind : valueKindsOf(field)) {
            ids.insert(packTextId(kind));
        }
    }
    for (int id : ids) {
        if (pack.text(id).find('|') != std::string::npos) {
            faults.push_back("id " + std::to_string(id) + " reads " + quotedText(pack.text(id)) +
                             ", whose \"|\" would split a channel field in a codeplug file");
        }
    }
}

// The value words of each channel field: a field could not tell two of them apart.
void findEqualValueWords(const LanguagePack& pack, std::vector<std::string>& faults) {
    std::vector<std::span<const ValueKind>> checked;
    for (ChannelField field : allChannelFields()) {
        const auto kinds = valueKindsOf(field);
        const auto alreadyChecked = [&kinds](std::span<const ValueKind> other) {
            return std::equal(kinds.begin(), kinds.end(), other.begin(), other.end());
        };
        if (std::any_of(checked.begin(), checked.end(), alreadyChecked)) {
            continue;
        }
        checked.push_back(kinds);
        for (std::size_t i = 0; i < kinds.size(); ++i) {
            for (std::size_t j = i + 1; j < kinds.size(); ++j) {
                const int first = packTextId(kinds[i]);
                const int second = packTextId(kinds[j]);
                const std::string& word = pack.text(first);
                if (!word.empty() && word == pack.text(second)) {
                    faults.push_back("ids " + std::to_string(first) + " and " +
                                     std::to_string(second) + " both read " + quotedText(word) +
                                     ", two values of " + std::string(fieldName(field)));
                }
            }
        }
        findWordsOfOtherValues(pack, field, kinds, faults);
    }
    const std::string& off = pack.text(TextId::Off);
    if (!off.empty() && ToneList::indexOf(off, {}) > 0) {
        faults.push_back("id " + std::to_string(TextId::Off) + " reads " + quotedText(off) +
                         ", a tone of the tone list");
    }
}

std::string itemIds(const ChoiceItem& first, const ChoiceItem& second) {
    std::vector<int> ids;
    for (int id : {first.textId, second.textId}) {
        if (id != 0 && std::find(ids.begin(), ids.end(), id) == ids.end()) {
            ids.push_back(id);
        }
    }
    if (ids.empty()) {
        return {};
    }
    return ids.size() == 1
               ? " (id " + std::to_string(ids[0]) + ")"
               : " (ids " + std::to_string(ids[0]) + " and " + std::to_string(ids[1]) + ")";
}

void findEqualChoiceItems(const LanguagePack& pack, std::vector<std::string>& faults) {
    for (const OptionDefinition& definition : allOptions()) {
        if (definition.kind != OptionKind::Choice) {
            continue;
        }
        const auto items = choiceItemsWithIds(definition.option, pack);
        for (std::size_t i = 0; i < items.size(); ++i) {
            for (std::size_t j = i + 1; j < items.size(); ++j) {
                if (!items[i].text.empty() && items[i].text == items[j].text) {
                    faults.push_back("items " + std::to_string(i) + " and " + std::to_string(j) +
                                     " of " + quotedText(definition.key) + " both read " +
                                     quotedText(items[i].text) + itemIds(items[i], items[j]));
                }
            }
        }
    }
}

}  // namespace

std::vector<std::string> packFaults(const LanguagePack& pack) {
    std::vector<std::string> faults;
    findLackingIds(pack, faults);
    findEqualValueWords(pack, faults);
    findFieldSeparators(pack, faults);
    findEqualChoiceItems(pack, faults);
    return faults;
}

}  // namespace hm3300::model

#pragma once
// The item texts of every choice option in a language. Most items are fixed; some come
// from the language pack (TOT, Band, Monitor, PTT ID, Stun Type, Key Assignment, and the
// "off" entry of APO and TOT).

#include <string>
#include <vector>

#include "model/radio_settings.h"

namespace hm3300::model {

class LanguagePack;

// One item of a choice list and the pack text it is made from (0 for a fixed text).
struct ChoiceItem {
    std::string text;
    int textId = 0;
};

std::vector<ChoiceItem> choiceItemsWithIds(Option option, const LanguagePack& pack);

// The item texts alone.
std::vector<std::string> choiceItems(Option option, const LanguagePack& pack);

// The item `index` of `option`, or empty when the index lies outside the list.
std::string choiceItemText(Option option, int index, const LanguagePack& pack);

}  // namespace hm3300::model

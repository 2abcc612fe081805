#pragma once
// What makes a language pack unusable: an id the program uses that the pack lacks or leaves
// empty, one word for two values of a list (also when a file would read one value's word as
// another's), or a value word with the bar that separates a file's channel fields. The
// channel table, the codeplug file and the option lists hold these words, so with such a
// pack values would turn empty or into one another.

#include <string>
#include <vector>

namespace hm3300::model {

class LanguagePack;

// Each fault in a phrase naming the ids; empty when the pack can be used.
std::vector<std::string> packFaults(const LanguagePack& pack);

}  // namespace hm3300::model

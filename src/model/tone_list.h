#pragma once
// The 266 tone texts shared by every tone list of the program; the index is the tone code
// of the model: 0 no tone, 1-51 CTCSS, 52-158 DCS normal, 159-265 DCS inverted.

#include <span>
#include <string>
#include <string_view>

namespace hm3300::model::ToneList {

inline constexpr int kSize = 266;
inline constexpr int kCtcssCount = 51;
inline constexpr int kDcsCount = 107;
inline constexpr int kFirstDcsNormal = 1 + kCtcssCount;                // 52
inline constexpr int kFirstDcsInverted = kFirstDcsNormal + kDcsCount;  // 159

// "63.0" ... "254.1"
std::span<const std::string_view> ctcssTones();
// 17, 23, 25, ... 754: the DCS code digits read as a decimal number
std::span<const int> dcsCodes();

// Entry `index`; entry 0 is `offText`. Empty for an index outside the list.
std::string text(int index, const std::string& offText);

// The index of `text` (0 for `offText`), or -1 when it is no entry.
int indexOf(std::string_view text, const std::string& offText);

}  // namespace hm3300::model::ToneList

#pragma once
// The value texts of two languages, for tests that compare cells with them.

#include "model/value_texts.h"

namespace hm3300::codec::testing {

inline const model::ValueTexts kChinese{"禁用", "启用", "高功率", "低功率",
                                        "宽带", "窄带", "压扩",   "扰频"};
inline const model::ValueTexts kEnglish{"OFF",  "ON",     "High", "Low",
                                        "Wide", "Narrow", "Comp", "scrambler"};

}  // namespace hm3300::codec::testing

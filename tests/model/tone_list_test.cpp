#include "model/tone_list.h"

#include <gtest/gtest.h>

namespace hm3300::model {
namespace {

const std::string kOff = "禁用";

TEST(ToneList, IndexAndTextAgreeBothWays) {
    struct Case {
        int index;
        const char* text;
    };
    for (const Case& c :
         {Case{0, "禁用"}, Case{1, "63.0"}, Case{2, "67.0"}, Case{14, "100.0"}, Case{51, "254.1"},
          Case{52, "D017N"}, Case{53, "D023N"}, Case{158, "D754N"}, Case{159, "D017I"},
          Case{160, "D023I"}, Case{265, "D754I"}}) {
        EXPECT_EQ(ToneList::text(c.index, kOff), c.text) << c.index;
        EXPECT_EQ(ToneList::indexOf(c.text, kOff), c.index) << c.text;
    }
}

TEST(ToneList, EveryEntryIsDistinctAndFindsItsOwnIndex) {
    for (int index = 0; index < ToneList::kSize; ++index) {
        EXPECT_EQ(ToneList::indexOf(ToneList::text(index, kOff), kOff), index);
    }
}

TEST(ToneList, UnknownTextsAndIndexesAreRejected) {
    EXPECT_EQ(ToneList::indexOf("OFF", kOff), -1);  // the off word of another language
    EXPECT_EQ(ToneList::indexOf("67", kOff), -1);
    EXPECT_EQ(ToneList::indexOf("D018N", kOff), -1);
    EXPECT_EQ(ToneList::indexOf("", kOff), -1);
    EXPECT_EQ(ToneList::text(266, kOff), "");
    EXPECT_EQ(ToneList::text(-1, kOff), "");
}

}  // namespace
}  // namespace hm3300::model

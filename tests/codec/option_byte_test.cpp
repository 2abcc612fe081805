#include "codec/option_byte.h"

#include <gtest/gtest.h>

namespace hm3300::codec {
namespace {

using model::Option;

struct FunctionByteCase {
    int scanKind;
    int vfoMr;
    bool save;
    bool beep;
    const char* byte;
};

TEST(OptionByte, FunctionByteRoundTripsEveryCombination) {
    for (const FunctionByteCase& c : {
             FunctionByteCase{1, 1, true, true, "FF"},  // the reset values: erased memory
             FunctionByteCase{0, 0, false, false, "B1"},
             FunctionByteCase{1, 0, false, false, "B3"},
             FunctionByteCase{0, 1, false, false, "B5"},
             FunctionByteCase{0, 0, true, false, "B9"},
             FunctionByteCase{0, 0, false, true, "F1"},
         }) {
        model::RadioSettings settings;
        settings.setChoice(Option::scankind, c.scanKind);
        settings.setChoice(Option::VFO_MR, c.vfoMr);
        settings.setFlag(Option::Save, c.save);
        settings.setFlag(Option::Beep, c.beep);
        EXPECT_EQ(encodeOptionByte(settings), c.byte);

        model::RadioSettings read;
        read.setChoice(Option::scankind, 1 - c.scanKind);
        read.setChoice(Option::VFO_MR, 1 - c.vfoMr);
        read.setFlag(Option::Save, !c.save);
        read.setFlag(Option::Beep, !c.beep);
        decodeOptionByte(c.byte, read);
        EXPECT_EQ(read, settings) << c.byte;
    }
}

TEST(OptionByte, ReadingIgnoresTheFixedBits) {
    model::RadioSettings settings;
    decodeOptionByte("00", settings);
    EXPECT_EQ(settings.choice(Option::scankind), 0);
    EXPECT_EQ(settings.choice(Option::VFO_MR), 0);
    EXPECT_FALSE(settings.flag(Option::Save));
    EXPECT_FALSE(settings.flag(Option::Beep));

    decodeOptionByte("4E", settings);  // only the four option bits set
    EXPECT_EQ(encodeOptionByte(settings), "FF");
    EXPECT_EQ(settings, model::RadioSettings{});
}

}  // namespace
}  // namespace hm3300::codec

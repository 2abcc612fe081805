#include "codec/frequency_codec.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace hm3300::codec {
namespace {

struct FrequencyCase {
    const char* text;
    const char* field;
};

TEST(FrequencyCodec, EncodingPacksSixDigitsAndTheSubKilohertzCode) {
    for (const FrequencyCase& c :
         {FrequencyCase{"145.12500", "14512500"}, FrequencyCase{"438.00625", "43800604"},
          FrequencyCase{"145.01875", "1450180C"}, FrequencyCase{"145.01250", "14501208"},
          FrequencyCase{"999.99975", "9999990C"}, FrequencyCase{"", "FFFFFFFF"}}) {
        EXPECT_EQ(encodeFrequency(c.text), c.field) << c.text;
    }
}

TEST(FrequencyCodec, DecodingCopiesNibblesAndScalesTheCode) {
    for (const FrequencyCase& c : {
             FrequencyCase{"438.00625", "43800604"},
             FrequencyCase{"145.12500", "14512500"},
             FrequencyCase{"145.12512", "14512502"},  // a code never written still decodes
             FrequencyCase{"145.12593", "1451250F"},
             FrequencyCase{"145.125100", "14512510"},  // three-digit tail
             FrequencyCase{"1A2.B3C00", "1A2B3C00"},   // nibbles are not checked
             FrequencyCase{"", "FFFFFFFF"},
             FrequencyCase{"", "FF123456"},  // the first byte alone decides
             FrequencyCase{"", "ff123456"},
         }) {
        EXPECT_EQ(decodeFrequency(c.field), c.text) << c.field;
    }
}

TEST(FrequencyCodec, RasterTextsAreRecognised) {
    for (const char* text : {"145.12500", "438.00625", "100.00500", "999.99375", "000.00000"}) {
        EXPECT_TRUE(isRasterFrequency(text)) << text;
    }
    for (const char* text : {"", "145.1234", "145.12512", "145.12501", "145,12500", "1451.2500",
                             "145.125000", " 45.12500", "14A.12500", "145.1250 ",
                             // encodable, but off both rasters
                             "435.12300", "100.00050", "999.99975"}) {
        EXPECT_FALSE(isRasterFrequency(text)) << text;
    }
}

TEST(FrequencyCodec, EveryRasterTextOfSampledMegahertzRoundTrips) {
    for (int megahertz : {100, 136, 145, 438, 520, 999}) {
        for (int kilohertz = 0; kilohertz < 1000; ++kilohertz) {
            for (int tail : {0, 25, 50, 75}) {
                char text[16];
                std::snprintf(text, sizeof text, "%03d.%03d%02d", megahertz, kilohertz, tail);
                const HexText field = encodeFrequency(text);
                ASSERT_EQ(field.size(), 8u) << text;
                ASSERT_EQ(decodeFrequency(field), text);
            }
        }
    }
}

// Off-raster texts only come from hand-edited files and are refused before a write, but the
// encoder must still give a field of 8 hex digits; the sub-kilohertz part is rounded.
TEST(FrequencyCodec, MalformedTextsStillGiveEightHexDigits) {
    for (const char* text : {"145.1234", "1", "abc.defgh", "145.125", "1451250000000", "中文"}) {
        const HexText field = encodeFrequency(text);
        EXPECT_EQ(field.size(), 8u) << text;
        EXPECT_TRUE(isHexText(field)) << text;
    }
    for (unsigned code = 0; code < 16; ++code) {
        const HexText field = "145125" + hexByte(code);
        EXPECT_EQ(encodeFrequency(decodeFrequency(field)), field);
    }
}

TEST(FrequencyCodec, ShortOrForeignFieldsDecodeWithoutFailing) {
    EXPECT_EQ(decodeFrequency(""), "");
    EXPECT_EQ(decodeFrequency("1451"), "145.1FF1593");  // missing bytes read as erased
    EXPECT_EQ(decodeFrequency("145125zz"), "145.1251593");
}

}  // namespace
}  // namespace hm3300::codec

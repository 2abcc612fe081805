#include "vradio/frame_reader.h"

#include <gtest/gtest.h>

#include "codec/hex_text.h"

namespace hm3300::vradio {
namespace {

// "F:<hex>" for a frame, "D:<hex>" for dropped bytes.
std::vector<std::string> push(FrameReader& reader, std::string_view hex) {
    std::vector<std::string> items;
    for (const auto& item : reader.push(codec::hexTextToBytes(hex).value())) {
        const char* kind = item.kind == ReadItem::Kind::Frame ? "F:" : "D:";
        items.push_back(kind + codec::toHexText(item.bytes));
    }
    return items;
}

using Items = std::vector<std::string>;

TEST(FrameReaderTest, DropsTypeBytesWithALengthTheyNeverHave) {
    FrameReader reader;
    // 06 followed by 52 is no ready request (length 0), 52 followed by 10 no read command.
    EXPECT_EQ(push(reader,
                   "0652105203"
                   "0CC0108D"),
              (Items{"D:065210", "F:52030CC0108D"}));
    EXPECT_FALSE(reader.hasPartialFrame());
}

TEST(FrameReaderTest, KeepsAnIncompleteFrameUntilItIsDropped) {
    FrameReader reader;
    EXPECT_EQ(push(reader, "57"), Items{});
    EXPECT_EQ(push(reader, "0400"), Items{});
    EXPECT_TRUE(reader.hasPartialFrame());
    EXPECT_EQ(codec::toHexText(reader.dropPartialFrame()), "570400");
    EXPECT_FALSE(reader.hasPartialFrame());
    EXPECT_EQ(push(reader, "060006"), Items{"F:060006"});
}

TEST(FrameReaderTest, ReturnsAFrameWithABadChecksumWhole) {
    FrameReader reader;
    EXPECT_EQ(push(reader,
                   "52030CC01000"
                   "060006"),
              (Items{"F:52030CC01000", "F:060006"}));
}

}  // namespace
}  // namespace hm3300::vradio

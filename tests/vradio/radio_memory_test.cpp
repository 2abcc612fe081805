#include "vradio/radio_memory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "codec/hex_text.h"
#include "support/temporary_folder.h"

namespace hm3300::vradio {
namespace {

using testing::readBytes;
using testing::TemporaryFolder;
using testing::writeBytes;

using codec::toHexText;

TEST(RadioMemoryTest, FactoryMemoryIsErasedButForTheBands) {
    const RadioMemory memory;
    EXPECT_EQ(toHexText(memory.read(0x0CC0, 16)), "47004000470040001740136017401360");
    const auto& bytes = memory.bytes();
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), 0xFF), 4096 - 16);
}

TEST(RadioMemoryTest, KnowsWhatLiesInside) {
    EXPECT_TRUE(RadioMemory::holds(0x0FF0, 16));
    EXPECT_TRUE(RadioMemory::holds(0x1000, 0));
    EXPECT_FALSE(RadioMemory::holds(0x0FF8, 9));
    EXPECT_FALSE(RadioMemory::holds(0xFFFF, 16));
}

TEST(RadioMemoryTest, MissingImageIsCreatedFromTheFactoryMemory) {
    const TemporaryFolder dir;
    RadioMemory memory;
    memory.write(0, std::vector<std::uint8_t>{0x12});
    EXPECT_EQ(loadOrCreateImage(dir.path() / "radio.img", memory), std::nullopt);
    EXPECT_EQ(memory.bytes(), RadioMemory().bytes());
    EXPECT_FALSE(memory.modified());
    EXPECT_EQ(readBytes(dir.path() / "radio.img").size(), 4096u);
}

TEST(RadioMemoryTest, SavedImageLoadsBackAndLeavesNoTemporaryFile) {
    const TemporaryFolder dir;
    RadioMemory memory;
    memory.write(0x0010, std::vector<std::uint8_t>{0x43, 0x51, 0x25, 0x00});
    ASSERT_TRUE(memory.modified());
    EXPECT_EQ(saveImage(dir.path() / "radio.img", memory), std::nullopt);
    EXPECT_FALSE(memory.modified());

    RadioMemory loaded;
    EXPECT_EQ(loadOrCreateImage(dir.path() / "radio.img", loaded), std::nullopt);
    EXPECT_EQ(loaded.bytes(), memory.bytes());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(RadioMemoryTest, RefusesAFileOfTheWrongSizeAndLeavesItAlone) {
    const TemporaryFolder dir;
    for (const auto size : {0, 4095, 4097}) {
        const std::string content(static_cast<std::size_t>(size), 'x');
        writeBytes(dir.path() / "bad.img", content);
        RadioMemory memory;
        const auto error = loadOrCreateImage(dir.path() / "bad.img", memory);
        ASSERT_TRUE(error.has_value()) << size;
        EXPECT_NE(error->find("is not a radio image: it has " + std::to_string(size) + " bytes"),
                  std::string::npos)
            << *error;
        EXPECT_EQ(readBytes(dir.path() / "bad.img"), content);
    }
}

TEST(RadioMemoryTest, FailedSaveKeepsTheOldImageAndSaysWhy) {
    const TemporaryFolder dir;
    RadioMemory memory;
    memory.write(0, std::vector<std::uint8_t>{1});
    const auto error = saveImage(dir.path() / "missing-folder" / "radio.img", memory);
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("missing-folder"), std::string::npos) << *error;
    EXPECT_TRUE(memory.modified()) << "still to be saved";
}

}  // namespace
}  // namespace hm3300::vradio

#include "file/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <set>

#include "support/temporary_folder.h"

namespace hm3300::file {
namespace {

namespace fs = std::filesystem;

// Every entry below `folder`, as paths relative to it, with its type.
std::set<std::pair<std::string, fs::file_type>> listing(const fs::path& folder) {
    std::set<std::pair<std::string, fs::file_type>> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        entries.emplace(entry.path().lexically_relative(folder).string(),
                        entry.symlink_status().type());
    }
    return entries;
}

class FileReplacement : public ::testing::Test {
protected:
    FileReplacement() {
        fs::create_directory(folder.path() / "folder.p46");
        testing::writeBytes(folder.path() / "folder.p46" / "inside", "kept");
        EXPECT_EQ(::mkfifo(folder.file("fifo.p46").c_str(), 0600), 0);
        fs::create_directory(folder.path() / "sub");
        testing::writeBytes(folder.path() / "sub" / "real.p46", "old");
        fs::create_symlink("sub/real.p46", folder.path() / "link.p46");
        fs::create_symlink("link.p46", folder.path() / "chain.p46");
        fs::create_symlink("sub/new.p46", folder.path() / "dangling.p46");
    }

    testing::TemporaryFolder folder;
};

// Renaming over a folder, FIFO or device would put a file where something else belongs;
// as root no permission test stops it, so the type of the target must.
TEST_F(FileReplacement, RefusesAnythingButARegularFileAndLeavesItAsItIs) {
    const auto before = listing(folder.path());
    const std::pair<const char*, const char*> targets[] = {
        {"folder.p46", "it is a folder, not a regular file"},
        {"fifo.p46", "it is a FIFO, not a regular file"},
        {"no/such/folder/plug.p46", "no such file or folder"},
    };
    for (const auto& [name, reason] : targets) {
        const std::string path = folder.file(name);
        for (const auto& error : {replaceFile(path, "new"), checkReplaceable(path)}) {
            ASSERT_TRUE(error) << name;
            EXPECT_NE(error->english().find("\"" + path + "\""), std::string::npos) << *error;
            EXPECT_NE(error->english().find(reason), std::string::npos) << *error;
        }
    }
    EXPECT_EQ(listing(folder.path()), before);
    EXPECT_EQ(testing::readBytes(folder.path() / "folder.p46" / "inside"), "kept");
}

TEST_F(FileReplacement, SymbolicLinksAreFollowedAndStayLinks) {
    const auto before = listing(folder.path());
    for (const char* name : {"link.p46", "chain.p46"}) {
        ASSERT_FALSE(checkReplaceable(folder.file(name))) << name;
        EXPECT_EQ(listing(folder.path()), before) << "the trial file is removed";
        ASSERT_EQ(replaceFile(folder.file(name), name), std::nullopt) << name;
        EXPECT_EQ(testing::readBytes(folder.path() / "sub" / "real.p46"), name);
    }
    // A link to a file not yet there creates that file.
    ASSERT_EQ(replaceFile(folder.file("dangling.p46"), "created"), std::nullopt);
    EXPECT_EQ(testing::readBytes(folder.path() / "sub" / "new.p46"), "created");

    auto expected = before;
    expected.emplace("sub/new.p46", fs::file_type::regular);
    EXPECT_EQ(listing(folder.path()), expected);
    EXPECT_EQ(fs::read_symlink(folder.path() / "link.p46"), "sub/real.p46");
}

TEST_F(FileReplacement, ReplacesARegularFileAndKeepsItsPermissions) {
    const fs::path path = folder.path() / "sub" / "real.p46";
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_FALSE(checkReplaceable(path.string()));
    EXPECT_EQ(testing::readBytes(path), "old");
    ASSERT_EQ(replaceFile(path.string(), "new"), std::nullopt);
    EXPECT_EQ(testing::readBytes(path), "new");
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

}  // namespace
}  // namespace hm3300::file

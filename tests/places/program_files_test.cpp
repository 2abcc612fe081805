// Where the programs find their data and keep their settings, in a build folder and
// installed, and the user's XDG folders.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "places/program_files.h"
#include "places/user_folders.h"
#include "support/environment.h"
#include "support/temporary_folder.h"

namespace hm3300::places {
namespace {

using testing::ScopedVariable;
using testing::TemporaryFolder;
using testing::writeBytes;
namespace fs = std::filesystem;

QString qPath(const fs::path& path) {
    return QString::fromStdString(path.string());
}

// A tree laid out as `cmake --install` lays it out: programs in bin/, data in share/hm3300d.
struct InstalledTree {
    explicit InstalledTree(const TemporaryFolder& folder)
        : bin(folder.path() / "usr/bin"), data(folder.path() / "usr/share/hm3300d") {
        fs::create_directories(bin);
        fs::create_directories(data);
    }
    fs::path bin;
    fs::path data;
};

TEST(DataFilesTest, AreFoundBesideTheProgramsFirstThenInTheInstalledDataFolder) {
    const TemporaryFolder folder;
    const InstalledTree tree(folder);
    writeBytes(tree.bin / "english.lng", "beside");
    writeBytes(tree.data / "english.lng", "installed");
    writeBytes(tree.data / "user-guide.html", "installed");

    EXPECT_EQ(findDataFile(qPath(tree.bin), "english.lng"), qPath(tree.bin / "english.lng"));
    EXPECT_EQ(findDataFile(qPath(tree.bin), "user-guide.html"),
              qPath(tree.data / "user-guide.html"));
    EXPECT_TRUE(findDataFile(qPath(tree.bin), "taiwan.lng").isEmpty());
}

TEST(DataFilesTest, TheBuildFolderHoldsThemBesideThePrograms) {
    const QString bin = QStringLiteral(HM3300_BIN_DIR);
    EXPECT_FALSE(isInstalled(bin));
    EXPECT_EQ(findDataFile(bin, "chinese.lng"), bin + "/chinese.lng");
    EXPECT_EQ(findDataFile(bin, "user-guide.html"), bin + "/user-guide.html");
}

class SettingsFolderTest : public ::testing::Test {
protected:
    TemporaryFolder folder;
    ScopedVariable config{"XDG_CONFIG_HOME", (folder.path() / "config").string()};
    QString userConfig = qPath(folder.path() / "config/hm3300d");
};

TEST_F(SettingsFolderTest, AWritableBuildFolderKeepsThemBesideTheProgram) {
    const fs::path bin = folder.path() / "build/bin";
    fs::create_directories(bin);
    EXPECT_EQ(settingsFolder(qPath(bin)), qPath(bin));
    EXPECT_FALSE(fs::exists(folder.path() / "config"));
}

// Even where the installed program's folder is writable (root running /usr/bin/hm3300d),
// the settings go to the user's folder and not among the system's programs.
TEST_F(SettingsFolderTest, AnInstalledProgramKeepsThemInTheUsersConfigurationFolder) {
    const InstalledTree tree(folder);
    EXPECT_EQ(settingsFolder(qPath(tree.bin)), userConfig);
    EXPECT_TRUE(fs::is_directory(folder.path() / "config/hm3300d"));
}

// A folder that cannot be written: as an ordinary user one without write permission; root
// writes anywhere, but not below a file.
TEST_F(SettingsFolderTest, AProgramFolderThatCannotBeWrittenSendsThemToTheUser) {
    writeBytes(folder.path() / "file", "");
    EXPECT_EQ(settingsFolder(qPath(folder.path() / "file/bin")), userConfig);

    if (::geteuid() != 0) {
        const fs::path readOnly = folder.path() / "read-only";
        fs::create_directories(readOnly);
        fs::permissions(readOnly, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(settingsFolder(qPath(readOnly)), userConfig);

        const fs::path lockedFile = folder.path() / "locked-file";
        fs::create_directories(lockedFile);
        writeBytes(lockedFile / "myini.ini", "[open]\n");
        fs::permissions(lockedFile / "myini.ini", fs::perms::owner_read);
        EXPECT_EQ(settingsFolder(qPath(lockedFile)), userConfig);
    }
}

struct UserFolderCase {
    UserFolder kind;
    const char* variable;
    const char* underHome;
};

TEST(UserFoldersTest, FollowTheXdgVariablesAndIgnoreRelativeOnes) {
    const TemporaryFolder folder;
    const ScopedVariable home("HOME", (folder.path() / "home").string());
    for (const UserFolderCase& each :
         {UserFolderCase{UserFolder::Cache, "XDG_CACHE_HOME", ".cache"},
          {UserFolder::Config, "XDG_CONFIG_HOME", ".config"},
          {UserFolder::Data, "XDG_DATA_HOME", ".local/share"}}) {
        {
            const ScopedVariable set(each.variable, (folder.path() / "xdg").string());
            EXPECT_EQ(userFolder(each.kind), qPath(folder.path() / "xdg/hm3300d")) << each.variable;
        }
        for (const char* ignored : {"", "relative/path"}) {
            const ScopedVariable set(each.variable, ignored);
            EXPECT_EQ(userFolder(each.kind),
                      qPath(folder.path() / "home" / each.underHome / "hm3300d"))
                << each.variable << "=" << ignored;
        }
    }
    const ScopedVariable noHome("HOME", "");
    const ScopedVariable noData("XDG_DATA_HOME", "");
    EXPECT_TRUE(userFolder(UserFolder::Data).isEmpty());
}

}  // namespace
}  // namespace hm3300::places

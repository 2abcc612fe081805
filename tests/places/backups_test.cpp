// The backup of every read: where it goes, that it holds what was read, and that none is
// ever replaced.

#include <gtest/gtest.h>

#include <QFile>
#include <filesystem>

#include "file/codeplug_file.h"
#include "places/backups.h"
#include "support/environment.h"
#include "support/temporary_folder.h"

namespace hm3300::places {
namespace {

using testing::readBytes;
using testing::ScopedVariable;
using testing::TemporaryFolder;
namespace fs = std::filesystem;

const std::string kSample = std::string(HM3300_SOURCE_DIR) + "/samples/sample.p46";

const model::LanguagePack& builtin() {
    return model::LanguagePack::builtin();
}

model::Codeplug sampleCodeplug() {
    model::Codeplug codeplug;
    std::vector<file::ReadNotice> notices;
    EXPECT_FALSE(
        file::openCodeplug(kSample, codeplug, model::ValueTexts::fromPack(builtin()), notices));
    return codeplug;
}

class BackupsTest : public ::testing::Test {
protected:
    TemporaryFolder folder;
    ScopedVariable data{"XDG_DATA_HOME", (folder.path() / "data").string()};
    fs::path backups = folder.path() / "data/hm3300d/backups";
    QDateTime readAt{QDate(2024, 5, 1), QTime(14, 30, 12)};
};

TEST_F(BackupsTest, AReadIsKeptUnderItsDateAndTimeAsTheFileSaveWouldWriteIt) {
    const BackupResult backup = saveBackup(sampleCodeplug(), builtin(), readAt);
    ASSERT_TRUE(backup.ok()) << backup.error;
    EXPECT_EQ(backup.path.toStdString(), (backups / "2024-05-01-143012.p46").string());
    EXPECT_EQ(readBytes(backup.path.toStdString()), readBytes(kSample));
}

TEST_F(BackupsTest, ReadsWithinOneSecondGetNamesOfTheirOwnAndNoneIsReplaced) {
    const model::Codeplug first = sampleCodeplug();
    model::Codeplug second = first;
    second.channels.row(1)[model::ChannelField::Alias] = "SECOND";

    const BackupResult one = saveBackup(first, builtin(), readAt);
    const BackupResult two = saveBackup(second, builtin(), readAt);
    const BackupResult three = saveBackup(second, builtin(), readAt);
    ASSERT_TRUE(one.ok() && two.ok() && three.ok());
    EXPECT_EQ(fs::path(two.path.toStdString()).filename(), "2024-05-01-143012-2.p46");
    EXPECT_EQ(fs::path(three.path.toStdString()).filename(), "2024-05-01-143012-3.p46");
    EXPECT_EQ(readBytes(one.path.toStdString()), readBytes(kSample));
    EXPECT_NE(readBytes(two.path.toStdString()).find("SECOND"), std::string::npos);
}

TEST_F(BackupsTest, AFolderThatCannotBeMadeIsReportedAndNothingIsLeftBehind) {
    testing::writeBytes(folder.path() / "file", "");
    const ScopedVariable blocked("XDG_DATA_HOME", (folder.path() / "file/data").string());
    const BackupResult backup = saveBackup(sampleCodeplug(), builtin(), readAt);
    EXPECT_FALSE(backup.ok());
    EXPECT_TRUE(backup.path.isEmpty());
    EXPECT_NE(backup.error.english().find("file/data/hm3300d/backups\" cannot be created"),
              std::string::npos)
        << backup.error;

    const ScopedVariable noHome("HOME", "");
    const ScopedVariable noData("XDG_DATA_HOME", "");
    EXPECT_NE(saveBackup(sampleCodeplug(), builtin(), readAt).error.english().find("HOME"),
              std::string::npos);
}

}  // namespace
}  // namespace hm3300::places

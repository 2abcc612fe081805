// export and import: channels as CSV from the command line.

#include <gtest/gtest.h>

#include "support/processes.h"
#include "support/temporary_folder.h"

namespace hm3300::testing {
namespace {

const std::string kSample = std::string(HM3300_SOURCE_DIR) + "/samples/sample.p46";
const std::string kSampleCsv = std::string(HM3300_SOURCE_DIR) + "/tests/csv/sample.csv";

class CsvCommandsTest : public ::testing::Test {
protected:
    TemporaryFolder folder;

    // A copy of the sample to edit.
    std::string sampleCopy(const std::string& name) {
        const std::string path = folder.file(name);
        writeBytes(path, readBytes(kSample));
        return path;
    }
};

TEST_F(CsvCommandsTest, ExportWritesTheChannelsAndImportingThemChangesNothing) {
    const std::string csv = folder.file("channels.csv");
    const CliResult exported = runCli({"export", kSample, csv}, folder);
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(readBytes(csv), readBytes(kSampleCsv));

    const std::string copy = sampleCopy("radio.p46");
    const CliResult imported = runCli({"import", csv, copy}, folder);
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_TRUE(imported.err.empty()) << imported.err;
    EXPECT_EQ(readBytes(copy), readBytes(kSample));
}

TEST_F(CsvCommandsTest, ImportSavesTheFileInTheLanguageOfItsWords) {
    const std::string english = folder.file("english.p46");
    ASSERT_EQ(runCli({"convert", kSample, english, "--lang", "english"}, folder).status, 0);
    const std::string csv = folder.file("in.csv");
    writeBytes(csv, "Location,Frequency,Power\r\n20,435.5,0.5W\r\n");
    const CliResult result = runCli({"import", csv, english}, folder);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(readBytes(english).find("CH020 | 435.50000 | OFF | 435.50000 | OFF | Low | Wide | "),
              std::string::npos);
}

TEST_F(CsvCommandsTest, SkippedRowsAreReportedAndTheOthersSavedWithStatusSix) {
    const std::string csv = folder.file("in.csv");
    writeBytes(csv,
               "Location,Name,Frequency,Mode\r\n"
               "20,ok,435.5,FM\r\n"
               "21,am,435.5,AM\r\n"
               "200,far,435.5,FM\r\n");
    const std::string copy = sampleCopy("radio.p46");
    const std::string output = folder.file("out.p46");
    const CliResult result = runCli({"import", csv, copy, "-o", output}, folder);
    EXPECT_EQ(result.status, 6);
    const std::string name = "\"" + csv + "\": ";
    EXPECT_EQ(result.err,
              "hm3300d-cli: warning: " + name +
                  "line 3, location 21: Mode \"AM\" cannot be represented: this radio has FM "
                  "(wide) and NFM (narrow); the row is skipped\n"
                  "hm3300d-cli: warning: " +
                  name +
                  "line 4, location 200: Location \"200\" is not a channel number from 1 to "
                  "128; the row is skipped\n"
                  "hm3300d-cli: " +
                  name + "1 row imported, 2 rows skipped\n");
    EXPECT_NE(readBytes(output).find("CH020 | 435.50000 | "), std::string::npos);
    EXPECT_EQ(readBytes(output).find("CH021 | 4"), std::string::npos);
    EXPECT_EQ(readBytes(copy), readBytes(kSample)) << "-o leaves the input alone";
}

TEST_F(CsvCommandsTest, ACsvThatCannotBeReadExitsWithStatusThreeAndWritesNothing) {
    const std::string copy = sampleCopy("radio.p46");
    const std::string broken = folder.file("broken.csv");
    writeBytes(broken, "Location,Name,Frequency\r\n20,\"open,435\r\n");
    const std::pair<std::string, std::string> cases[] = {
        {broken,
         "broken.csv\": line 2, field 2: the quoted field is never closed; nothing was "
         "written\n"},
        {folder.file("missing.csv"), "missing.csv\": no such file or folder\n"},
    };
    for (const auto& [csv, message] : cases) {
        const CliResult result = runCli({"import", csv, copy}, folder);
        EXPECT_EQ(result.status, 3) << result.err;
        EXPECT_TRUE(result.err.ends_with(message)) << result.err;
        EXPECT_EQ(readBytes(copy), readBytes(kSample));
    }
    const CliResult noOutput = runCli({"import", broken, copy, "-o", ""}, folder);
    EXPECT_EQ(noOutput.status, 2);
    const CliResult unwritable = runCli({"export", kSample, folder.file("no/such.csv")}, folder);
    EXPECT_EQ(unwritable.status, 3);
    EXPECT_NE(unwritable.err.find("no/such.csv"), std::string::npos) << unwritable.err;
}

TEST_F(CsvCommandsTest, HelpNamesTheLayoutAndTheExitStatuses) {
    const CliResult exportHelp = runCli({"export", "--help"}, folder);
    EXPECT_EQ(exportHelp.status, 0);
    EXPECT_NE(exportHelp.out.find("Location,Name,Frequency,Duplex,Offset,Tone"), std::string::npos);
    const CliResult importHelp = runCli({"import", "--help"}, folder);
    EXPECT_EQ(importHelp.status, 0);
    EXPECT_NE(importHelp.out.find("6 done, but some rows were skipped"), std::string::npos);
}

}  // namespace
}  // namespace hm3300::testing

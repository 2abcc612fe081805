// The window tests, one QtTest class per concern, run in one program.

#include "widget_test_main.h"

namespace hm3300::app::test {
int runAppSettingsTests(int argc, char** argv);
int runStartupTests(int argc, char** argv);
int runLanguageTests(int argc, char** argv);
int runFileCommandsTests(int argc, char** argv);
int runCsvCommandsTests(int argc, char** argv);
int runDesktopTests(int argc, char** argv);
int runUnsavedChangesTests(int argc, char** argv);
int runWarningLanguageTests(int argc, char** argv);
}  // namespace hm3300::app::test

int main(int argc, char** argv) {
    using namespace hm3300::app::test;
    return runSuites(
        argc, argv,
        {runAppSettingsTests, runStartupTests, runLanguageTests, runFileCommandsTests,
         runCsvCommandsTests, runDesktopTests, runUnsavedChangesTests, runWarningLanguageTests});
}

// The window tests, one QtTest class per concern, run in one program.

#include <QApplication>

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
    QApplication application(argc, argv);
    using namespace hm3300::app::test;
    int failures = 0;
    for (const auto run :
         {runAppSettingsTests, runStartupTests, runLanguageTests, runFileCommandsTests,
          runCsvCommandsTests, runDesktopTests, runUnsavedChangesTests, runWarningLanguageTests}) {
        failures += run(argc, argv);
    }
    return failures == 0 ? 0 : 1;
}

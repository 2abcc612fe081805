#pragma once
// The body of a widget test program's main: one application for all its QtTest suites.

#include <QApplication>
#include <initializer_list>

namespace hm3300::app::test {

// A QtTest suite: QTest::qExec of its test object, returning the number of its failures.
using SuiteRunner = int (*)(int argc, char** argv);

// Runs every suite, also after one has failed; the program's exit status.
inline int runSuites(int argc, char** argv, std::initializer_list<SuiteRunner> suites) {
    QApplication application(argc, argv);
    int failures = 0;
    for (const SuiteRunner run : suites) {
        failures += run(argc, argv);
    }
    return failures == 0 ? 0 : 1;
}

}  // namespace hm3300::app::test

// The widget tests of the four option pages, run in one program.

#include <QApplication>

namespace hm3300::app::test {
int runFunctionOptionsPageTests(int argc, char** argv);
int runDtmfPageTests(int argc, char** argv);
int runOtherPagesTests(int argc, char** argv);
}  // namespace hm3300::app::test

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    using namespace hm3300::app::test;
    int failures = 0;
    for (const auto run : {runFunctionOptionsPageTests, runDtmfPageTests, runOtherPagesTests}) {
        failures += run(argc, argv);
    }
    return failures == 0 ? 0 : 1;
}

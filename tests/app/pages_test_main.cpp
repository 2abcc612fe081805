// The widget tests of the four option pages, run in one program.

#include "widget_test_main.h"

namespace hm3300::app::test {
int runFunctionOptionsPageTests(int argc, char** argv);
int runDtmfPageTests(int argc, char** argv);
int runOtherPagesTests(int argc, char** argv);
}  // namespace hm3300::app::test

int main(int argc, char** argv) {
    using namespace hm3300::app::test;
    return runSuites(argc, argv,
                     {runFunctionOptionsPageTests, runDtmfPageTests, runOtherPagesTests});
}

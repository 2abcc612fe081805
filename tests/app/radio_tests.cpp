// The programming dialog against the virtual radio.

#include "widget_test_main.h"

namespace hm3300::app::test {
int runProgrammingDialogTests(int argc, char** argv);
}  // namespace hm3300::app::test

int main(int argc, char** argv) {
    using namespace hm3300::app::test;
    return runSuites(argc, argv, {runProgrammingDialogTests});
}

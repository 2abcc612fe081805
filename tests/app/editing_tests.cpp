// The channel grid and the channel editing, run in one program.

#include "widget_test_main.h"

namespace hm3300::app::test {
int runChannelGridTests(int argc, char** argv);
int runChannelEditingTests(int argc, char** argv);
int runUndoTests(int argc, char** argv);
int runRowCommandsTests(int argc, char** argv);
}  // namespace hm3300::app::test

int main(int argc, char** argv) {
    using namespace hm3300::app::test;
    return runSuites(
        argc, argv,
        {runChannelGridTests, runChannelEditingTests, runUndoTests, runRowCommandsTests});
}

// The channel grid and the channel editing, run in one program.

#include <QApplication>

namespace hm3300::app::test {
int runChannelGridTests(int argc, char** argv);
int runChannelEditingTests(int argc, char** argv);
int runUndoTests(int argc, char** argv);
int runRowCommandsTests(int argc, char** argv);
}  // namespace hm3300::app::test

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    using namespace hm3300::app::test;
    int failures = 0;
    for (const auto run :
         {runChannelGridTests, runChannelEditingTests, runUndoTests, runRowCommandsTests}) {
        failures += run(argc, argv);
    }
    return failures == 0 ? 0 : 1;
}

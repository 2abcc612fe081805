// The programming dialog against the virtual radio.

#include <QApplication>

namespace hm3300::app::test {
int runProgrammingDialogTests(int argc, char** argv);
}  // namespace hm3300::app::test

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    return hm3300::app::test::runProgrammingDialogTests(argc, argv) == 0 ? 0 : 1;
}

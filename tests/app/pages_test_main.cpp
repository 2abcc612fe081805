// Runs the widget tests of the four option pages in one application.

#include <QApplication>

int runFunctionOptionsPageTests(int argc, char** argv);
int runDtmfPageTests(int argc, char** argv);
int runOtherPagesTests(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    int failures = 0;
    failures += runFunctionOptionsPageTests(argc, argv);
    failures += runDtmfPageTests(argc, argv);
    failures += runOtherPagesTests(argc, argv);
    return failures == 0 ? 0 : 1;
}

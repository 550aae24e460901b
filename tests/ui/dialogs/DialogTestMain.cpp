#include "DialogTests.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    int failures = 0;
    failures += runKOUTest(argc, argv);
    failures += runAboutUTest(argc, argv);
    failures += runOpsUTest(argc, argv);
    return failures == 0 ? 0 : 1;
}

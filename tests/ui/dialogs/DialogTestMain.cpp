#include "DialogTests.h"

#include <QApplication>
#include <QMetaMethod>
#include <QTest>

#include <cstdio>
#include <memory>

namespace {

// Lists the test functions of @p test as "Class::function", the way Qt Test's -functions does.
void printFunctions(const QObject &test)
{
    const QMetaObject &meta = *test.metaObject();
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod method = meta.method(i);
        const QByteArray name = method.name();
        if (method.methodType() != QMetaMethod::Slot || method.access() != QMetaMethod::Private
            || method.parameterCount() != 0 || name.endsWith("_data") || name == "init"
            || name == "cleanup" || name == "initTestCase" || name == "cleanupTestCase")
            continue;
        std::printf("%s::%s\n", meta.className(), name.constData());
    }
}

} // namespace

// Runs every dialog's tests. "Class::function" runs one function of one class and -functions
// lists them in that form, so that CTest registers each function on its own.
int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    const QString only = arguments.size() == 2 ? arguments[1] : QString();
    const bool one = only.contains("::");
    int failures = one ? 1 : 0; // a function of no class fails
    for (const auto make : { newKeyOptionsDialogTest, newAboutDialogTest, newOptionsDialogTest }) {
        const std::unique_ptr<QObject> test = make();
        if (only == "-functions")
            printFunctions(*test);
        else if (!one)
            failures += QTest::qExec(test.get(), argc, argv);
        else if (only.section("::", 0, 0) == test->metaObject()->className())
            failures = QTest::qExec(test.get(), { arguments[0], only.section("::", 1) });
    }
    return failures == 0 ? 0 : 1;
}

#include "TestRegistry.h"

#include <QApplication>
#include <QTest>

namespace TestRegistry {

std::vector<Factory>& factories()
{
    static std::vector<Factory> all;
    return all;
}

}  // namespace TestRegistry

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillgrid"));
    // "tst_layer SomeTest ..." runs that class alone, with the rest of the arguments.
    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    int failures = 0;
    for (const auto& make : TestRegistry::factories()) {
        const std::unique_ptr<QObject> test = make();
        if (only == QLatin1String(test->metaObject()->className())) {
            argv[1] = argv[0];
            return QTest::qExec(test.get(), argc - 1, argv + 1) == 0 ? 0 : 1;
        }
    }
    for (const auto& make : TestRegistry::factories()) {
        const std::unique_ptr<QObject> test = make();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}

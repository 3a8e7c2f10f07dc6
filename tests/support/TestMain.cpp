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
    int failures = 0;
    for (const auto& make : TestRegistry::factories()) {
        const std::unique_ptr<QObject> test = make();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}

#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

// Lets one test executable hold the test classes of a whole layer, each in its own file:
// a class registers itself with QUILLGRID_TEST and the shared main() runs them all.
namespace TestRegistry {

using Factory = std::function<std::unique_ptr<QObject>()>;

std::vector<Factory>& factories();

struct Registration {
    explicit Registration(Factory factory) { factories().push_back(std::move(factory)); }
};

}  // namespace TestRegistry

#define QUILLGRID_TEST(Class)                                                   \
    static const TestRegistry::Registration registration##Class{                \
        [] { return std::unique_ptr<QObject>(std::make_unique<Class>()); }}

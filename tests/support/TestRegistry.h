#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

// Test classes register themselves here; the shared main() runs every class
// linked into the executable, or only those named on the command line.
namespace testing_support {

struct Entry {
    const char* name;
    std::function<std::unique_ptr<QObject>()> make;
};

std::vector<Entry>& registry();

template <class T> struct Registrar {
    explicit Registrar(const char* name) {
        registry().push_back({name, [] { return std::make_unique<T>(); }});
    }
};

} // namespace testing_support

#define VELLUM_TEST(Class) static testing_support::Registrar<Class> registrar_##Class(#Class)

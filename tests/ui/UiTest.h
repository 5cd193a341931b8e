// Registration of the window test classes, all run by one program on the offscreen platform.
#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

namespace corvane::ui::test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;
std::vector<TestFactory>& Registry();

template <class T>
struct Register {
    Register() {
        Registry().push_back([] { return std::unique_ptr<QObject>(new T); });
    }
};

}  // namespace corvane::ui::test

#define CORVANE_UI_TEST(Class) static const corvane::ui::test::Register<Class> registered##Class;

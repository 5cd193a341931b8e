#include "UiTest.h"

#include <QApplication>
#include <QTest>

namespace corvane::ui::test {

std::vector<TestFactory>& Registry() {
    static std::vector<TestFactory> factories;
    return factories;
}

}  // namespace corvane::ui::test

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int failures = 0;
    for (const auto& make : corvane::ui::test::Registry()) {
        std::unique_ptr<QObject> suite = make();
        failures += QTest::qExec(suite.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}

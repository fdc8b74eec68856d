#include "TestRegistry.h"

#include "shell/ProgramStyle.h"

#include <QApplication>
#include <QTest>
#include <cstring>

namespace testing_support {
std::vector<Entry>& registry() {
    static std::vector<Entry> entries;
    return entries;
}
} // namespace testing_support

// Usage: tst_x [ClassName ...] [-- qtest options]
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vellum2"));
    vellum::applyProgramStyle(app);

    std::vector<const char*> only;
    std::vector<char*> qtestArgs{argv[0]};
    bool pastSeparator = false;
    for (int i = 1; i < argc; ++i) {
        if (!pastSeparator && std::strcmp(argv[i], "--") == 0)
            pastSeparator = true;
        else if (pastSeparator || argv[i][0] == '-')
            qtestArgs.push_back(argv[i]);
        else
            only.push_back(argv[i]);
    }

    int failures = 0;
    for (const auto& entry : testing_support::registry()) {
        if (!only.empty() && std::none_of(only.begin(), only.end(), [&](const char* n) {
                return std::strcmp(n, entry.name) == 0;
            }))
            continue;
        auto test = entry.make();
        failures += QTest::qExec(test.get(), int(qtestArgs.size()), qtestArgs.data());
    }
    return failures == 0 ? 0 : 1;
}

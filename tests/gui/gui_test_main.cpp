// Runs the window test classes on one application object: all of them, or the one named
// by the first argument (orvgui_tests EditTest), further arguments going to Qt Test.

#include "gui_tests.h"

#include <QApplication>
#include <QLocale>
#include <QTest>
#include <cstring>

std::vector<TestClassMaker>& TestClasses() {
    static std::vector<TestClassMaker> classes;
    return classes;
}

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    // Qt Test reads its options after the program name: the class name is left out.
    const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
    std::vector<char*> testArgs(argv, argv + argc);
    if (only != nullptr) {
        testArgs.erase(testArgs.begin() + 1);
    }
    const int testArgc = static_cast<int>(testArgs.size());
    int failures = 0;
    int run = 0;
    for (TestClassMaker make : TestClasses()) {
        const std::unique_ptr<QObject> test = make();
        if (only == nullptr || std::strcmp(test->metaObject()->className(), only) == 0) {
            failures += QTest::qExec(test.get(), testArgc, testArgs.data());
            ++run;
        }
    }
    return failures == 0 && run > 0 ? 0 : 1;
}

// Runs every window test class on one application object.

#include "gui_tests.h"

#include <QApplication>
#include <QLocale>
#include <QTest>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    int failures = 0;
    for (auto* make : {&StartupTests, &MoveMenuTests, &WindowTests, &DialogTests, &EditTests,
                       &EditingLoopTests, &MapWindowTests}) {
        for (const std::unique_ptr<QObject>& test : make()) {
            failures += QTest::qExec(test.get(), argc, argv);
        }
    }
    return failures == 0 ? 0 : 1;
}

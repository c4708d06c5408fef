#pragma once
// The window test classes, each put on the test program's list by its own file.

#include <QObject>
#include <memory>
#include <vector>

using TestClassMaker = std::unique_ptr<QObject> (*)();
std::vector<TestClassMaker>& TestClasses();

template <typename Class> std::unique_ptr<QObject> MakeTestClass() {
    return std::make_unique<Class>();
}

// Puts a test class on the list, once per test file.
#define ORV_GUI_TEST_CLASS(Class)                                                                  \
    static const bool Class##Listed = (TestClasses().push_back(&MakeTestClass<Class>), true)

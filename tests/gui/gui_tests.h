#pragma once
// The window test classes, each put on the test program's list by its own file.

#include <QObject>
#include <memory>
#include <vector>

using TestClassMaker = std::unique_ptr<QObject> (*)();
std::vector<TestClassMaker>& TestClasses();

#define ORV_GUI_TEST_CLASS(Class)                                                                  \
    static const bool Class##Listed = [] {                                                         \
        TestClasses().push_back(                                                                   \
            []() -> std::unique_ptr<QObject> { return std::make_unique<Class>(); });               \
        return true;                                                                               \
    }()

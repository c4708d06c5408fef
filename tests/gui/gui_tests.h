#pragma once
// The window test classes, run one after the other by the test program.

#include <QObject>
#include <memory>
#include <vector>

std::vector<std::unique_ptr<QObject>> StartupTests();
std::vector<std::unique_ptr<QObject>> MoveMenuTests();
std::vector<std::unique_ptr<QObject>> WindowTests();
std::vector<std::unique_ptr<QObject>> MapWindowTests();
std::vector<std::unique_ptr<QObject>> DialogTests();
std::vector<std::unique_ptr<QObject>> EditTests();
std::vector<std::unique_ptr<QObject>> EditingLoopTests();
std::vector<std::unique_ptr<QObject>> DesktopTests();

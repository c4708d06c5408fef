// Measures how long the editor takes from process start until its main window is shown
// with the example report loaded, as at a later start: the settings file names the report
// and the tribe, so no dialog opens. Prints milliseconds since process start.

#include "example_settings.h"
#include "gui/main.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

// Milliseconds since the kernel started this process.
double MillisecondsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const std::size_t close = text.rfind(')');
    if (close == std::string::npos) {
        return -1;
    }
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    // Field 22 of the whole line is the start time; fields after ")" start at field 3.
    for (int i = 3; i < 22 && fields >> field; ++i) {
    }
    unsigned long long startTicks = 0;
    fields >> startTicks;
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
    return (static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9 -
            static_cast<double>(startTicks) / ticks) *
           1000.0;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir programDir;
    if (!orv::bench::WriteExampleSettings(programDir.path())) {
        return 2;
    }

    orv::gui::Environment env;
    env.programDir = programDir.path();
    orv::gui::MainWindow form(env);
    form.show();
    if (!form.FormShow({})) {
        return 1;
    }
    QTimer::singleShot(0, &app, [&form] {
        std::printf("main window shown with %s after %.1f ms\n", qPrintable(form.windowTitle()),
                    MillisecondsSinceProcessStart());
        QApplication::quit();
    });
    return QApplication::exec();
}

// Measures the editor's peak memory with a 10 MB move of empty message lines open, against
// the empty window's peak: the window's lists hold no item per line, so the difference
// stays small whatever the move's size. Prints both peaks and the difference in MB.

#include "example_settings.h"
#include "gui/main.h"
#include "gui/row_list_view.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

// The process's peak resident size so far, in MB.
double PeakMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == "VmHWM:") {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes / 1024.0;
        }
    }
    return -1;
}

// Messages go to standard error: nothing may wait for a click.
struct PrintingNotifier final : orv::gui::Notifier {
    static void Print(const QString& text) { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    void Error(const QString& text) override { Print(text); }
    void Warning(const QString& text) override { Print(text); }
    void Information(const QString& text) override { Print(text); }
    bool Confirm(const QString& text, bool) override {
        Print(text);
        return true;
    }
    orv::gui::SaveChoice AskSave(const QString&) override { return orv::gui::SaveChoice::Discard; }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir folder;
    if (!orv::bench::WriteExampleSettings(folder.path())) {
        return 2;
    }
    const std::size_t MoveBytes = (argc > 1 ? std::stoul(argv[1]) : 10) * 1024 * 1024;
    const QString movePath = folder.filePath(QStringLiteral("empty-lines.cmd"));
    {
        std::ofstream move(movePath.toStdString(), std::ios::binary);
        std::string text = "BEGIN\r\nEND\r\n";
        text.resize(MoveBytes, '\n');
        move << text;
    }

    PrintingNotifier notifier;
    orv::gui::Environment env;
    env.programDir = folder.path();
    env.notifier = &notifier;
    orv::gui::MainWindow form(env);
    form.show();
    if (!form.FormShow({})) {
        return 1;
    }
    QApplication::processEvents();
    const double empty = PeakMegabytes();

    form.OpenMoveFile(movePath);
    // Shown, scrolled to the last line and back, so every part of the list was painted.
    form.ListBoxMove->setCurrentRow(form.ListBoxMove->count() - 1);
    QApplication::processEvents();
    form.ListBoxMove->setCurrentRow(0);
    QApplication::processEvents();
    const double open = PeakMegabytes();
    std::printf("peak: empty window %.1f MB, with a %zu MB move of %d lines %.1f MB: %.1f MB "
                "more\n",
                empty, MoveBytes >> 20, form.ListBoxMove->count(), open, open - empty);
    return 0;
}

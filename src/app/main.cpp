// orvmove: the desktop move editor.

#include "gui/main.h"

#include "core/move/move_file.h"
#include "core/report/settings.h"
#include "core/report/text_file.h"
#include "gui/program_icon.h"
#include "gui/text_codec.h"
#include "orv_version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>
#include <QStatusBar>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

namespace {

// name: "OrvMove" names the settings and data folders; the version line says "orvmove", the
// program's name, as "orvmove-cli" does.
void Describe(QCommandLineParser& parser, const QString& name) {
    QCoreApplication::setApplicationName(name);
    QCoreApplication::setApplicationVersion(QStringLiteral(ORV_VERSION));
    parser.setApplicationDescription(
        QStringLiteral("Writes, checks and saves moves for a strategy game played by mail."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("REPORT"),
        QStringLiteral("The turn report to open; without one, the newest report of the series "
                       "remembered in the settings file. A move file alone opens with that "
                       "report."),
        QStringLiteral("[REPORT"));
    parser.addPositionalArgument(QStringLiteral("MOVE"),
                                 QStringLiteral("A move file to open with the report."),
                                 QStringLiteral("[MOVE]]"));
}

// The help and the version are printed without opening a window, so they work on a machine
// without a display too.
bool AsksOnlyForText(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-v" ||
            arg == "--version") {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (AsksOnlyForText(argc, argv)) {
        const QCoreApplication text(argc, argv);
        QCommandLineParser parser;
        Describe(parser, QStringLiteral("orvmove"));
        parser.process(text);
        return 0;
    }
    // Without HOME the toolkit would put settings and drafts under "/": the system's user
    // list names the folder then, and with none known the window says that nothing of the
    // user's can be kept.
    const std::string home = orv::report::UserFolder();
    const char* variable = std::getenv("HOME");
    if (!home.empty() && (variable == nullptr || home != variable)) {
        setenv("HOME", home.c_str(), 1);
    }
    QApplication app(argc, argv);
    QCommandLineParser parser;
    Describe(parser, QStringLiteral("OrvMove"));
    parser.process(app);
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() > 2) {
        parser.showHelp(2);
    }

    // The window's class and its icon in the task bar come from the desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.orvmove.OrvMove"));
    QApplication::setWindowIcon(orv::gui::ProgramIcon());

    orv::gui::Environment env;
    env.programDir = QApplication::applicationDirPath();
    env.workingDir = QDir::currentPath();
    env.portable = orv::report::IsPortableProgramFolder(orv::gui::ToPath(env.programDir));
    if (!home.empty()) {
        env.configDir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        env.dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    }
    orv::gui::MainWindow form(env);
    form.show();
    if (home.empty()) {
        form.statusBar()->showMessage(QString::fromLatin1(orv::report::NoUserFolderMessage.data(),
                                                          orv::report::NoUserFolderMessage.size()));
    }
    // A move alone (a double click on a move file) opens with the report of the settings.
    QStringList report = arguments.mid(0, 1);
    QStringList move = arguments.mid(1, 1);
    if (arguments.size() == 1 && orv::move::LooksLikeMoveFile(orv::gui::ToPath(arguments.at(0)))) {
        std::swap(report, move);
    }
    if (!form.FormShow(report)) {
        return 0;
    }
    form.OfferDraft();
    if (!move.isEmpty()) {
        form.OpenMoveFile(move.at(0));
    }
    return QApplication::exec();
}

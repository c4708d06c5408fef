// orvmove: the desktop move editor.

#include "gui/main.h"

#include "core/report/text_file.h"
#include "orv_version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStandardPaths>
#include <QStatusBar>
#include <cstdlib>
#include <string>
#include <string_view>

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
                       "remembered in the settings file."),
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

    orv::gui::Environment env;
    env.programDir = QApplication::applicationDirPath();
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
    if (!form.FormShow(arguments.mid(0, 1))) {
        return 0;
    }
    form.OfferDraft();
    if (arguments.size() == 2) {
        form.OpenMoveFile(arguments.at(1));
    }
    return QApplication::exec();
}

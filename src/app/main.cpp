// orvmove: the desktop move editor.

#include "gui/main.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("OrvMove"));
    QApplication::setApplicationDisplayName(QStringLiteral("OrvMove"));

    orv::gui::Environment env;
    env.programDir = QApplication::applicationDirPath();
    env.configDir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    env.dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    orv::gui::TFormMain form(env);
    form.show();
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    if (!form.FormShow(arguments)) {
        return 0;
    }
    form.OfferDraft();
    return QApplication::exec();
}

// The main window's live check, run by the problem panel on every change of the move, the
// report or the tribe: its findings are also marked on the order lines and drawn on the
// map. Also the window's own settings (panels shown), kept apart from the two-line settings
// file.

#include "gui/check_result.h"
#include "gui/help.h"
#include "gui/main.h"
#include "gui/map_follower.h"
#include "gui/map_window.h"
#include "gui/move_panel.h"
#include "gui/placement.h"
#include "gui/problem_panel.h"

#include <QAction>
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

namespace orv::gui {

void MainWindow::RunCheck() {
    PanelProblems->Check(Move(), state_.game);
    movePanel_->SetFindings(PanelProblems->Result());
}

void MainWindow::NextProblem() {
    PanelProblems->Step(1);
}

void MainWindow::PreviousProblem() {
    PanelProblems->Step(-1);
}

QSettings& MainWindow::WindowSettings() {
    if (!windowSettings_) {
        // Beside the program only for a build of the user's own; with no folder of the user's
        // known, the window's settings last for this run only.
        QString folder = !env_.configDir.isEmpty() ? env_.configDir
                         : env_.portable           ? QApplication::applicationDirPath()
                                                   : QString();
        if (folder.isEmpty()) {
            unkeptFolder_ = std::make_unique<QTemporaryDir>();
            folder = unkeptFolder_->path();
        }
        windowSettings_ = std::make_unique<QSettings>(folder + QStringLiteral("/OrvMove.conf"),
                                                      QSettings::IniFormat);
    }
    return *windowSettings_;
}

void MainWindow::RestoreWindowState() {
    QSettings& settings = WindowSettings();
    const bool problemsShown = settings.value(QStringLiteral("problemListShown"), true).toBool();
    menuItemShowProblems->setChecked(problemsShown);
    PanelProblems->setVisible(problemsShown);
    connect(menuItemShowProblems, &QAction::toggled, this, [this](bool shown) {
        PanelProblems->setVisible(shown);
        WindowSettings().setValue(QStringLiteral("problemListShown"), shown);
    });
    restoreGeometry(settings.value(QStringLiteral("mainWindow")).toByteArray());
    KeepOnScreen(this, nullptr);
    if (settings.value(QStringLiteral("graphicalMapShown"), false).toBool()) {
        map_->Made().RestoreGeometry(settings);
        menuItemShowGraphicalMapClick();
    }
}

void MainWindow::SaveWindowState() {
    // Hidden now, the text and help windows keep their places before the settings are
    // written.
    formCheckResult_->hide();
    if (helpWindow_ != nullptr) {
        helpWindow_->hide();
    }
    QSettings& settings = WindowSettings();
    settings.setValue(QStringLiteral("problemListShown"), menuItemShowProblems->isChecked());
    settings.setValue(QStringLiteral("mainWindow"), saveGeometry());
    settings.setValue(QStringLiteral("graphicalMapShown"),
                      map_->Window() != nullptr && map_->Window()->isVisible());
    if (map_->Window() != nullptr) {
        map_->Window()->SaveGeometry(settings);
    }
    settings.sync();
}

} // namespace orv::gui

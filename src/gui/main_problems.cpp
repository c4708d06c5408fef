// The main window's live check: the check runs on every change of the move, the report or
// the tribe, and its findings are listed below the move, marked on the order lines and
// drawn on the map. Also the window's own settings (panels shown), kept apart from the
// two-line settings file.

#include "core/check/check_driver.h"
#include "gui/main.h"
#include "gui/map_window.h"
#include "gui/move_list_model.h"
#include "gui/row_list_view.h"
#include "gui/text_codec.h"

#include <QAction>
#include <QApplication>
#include <QSettings>

namespace orv::gui {

void MainWindow::RunCheck() {
    check_ = check::CheckMove(Move(), state_.game);
    ShowProblems();
}

void MainWindow::ShowProblems() {
    following_ = true;
    problemModel_->SetProblems(check::Problems(check_));
    following_ = false;
    moveModel_->SetFindings(check_);
}

void MainWindow::ProblemSelected() {
    const int row = ListBoxProblems->currentRow();
    if (row < 0 || following_) {
        return;
    }
    SelectLine(problemModel_->LineOf(row));
}

void MainWindow::ProblemActivated() {
    ProblemSelected();
    if (Move().IsOrderLine(SelectedLine().value_or(0))) {
        ButtonEditClick();
    }
}

void MainWindow::StepProblem(int direction) {
    const int count = ListBoxProblems->count();
    if (count == 0) {
        return;
    }
    const int current = ListBoxProblems->currentRow();
    const int next =
        current < 0 ? (direction > 0 ? 0 : count - 1) : (current + direction + count) % count;
    ListBoxProblems->setCurrentRow(next);
    ProblemSelected();
}

void MainWindow::NextProblem() {
    StepProblem(1);
}

void MainWindow::PreviousProblem() {
    StepProblem(-1);
}

QSettings& MainWindow::WindowSettings() {
    if (!windowSettings_) {
        const QString folder =
            env_.configDir.isEmpty() ? QApplication::applicationDirPath() : env_.configDir;
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
    if (settings.value(QStringLiteral("graphicalMapShown"), false).toBool()) {
        formMap_ = new MapWindow(this);
        formMap_->RestoreGeometry(settings);
        menuItemShowGraphicalMapClick();
    }
}

void MainWindow::SaveWindowState() {
    QSettings& settings = WindowSettings();
    settings.setValue(QStringLiteral("problemListShown"), menuItemShowProblems->isChecked());
    settings.setValue(QStringLiteral("mainWindow"), saveGeometry());
    settings.setValue(QStringLiteral("graphicalMapShown"),
                      formMap_ != nullptr && formMap_->isVisible());
    if (formMap_ != nullptr) {
        formMap_->SaveGeometry(settings);
    }
    settings.sync();
}

} // namespace orv::gui

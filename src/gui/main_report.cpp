// The main window's report side: start-up, the settings file, the tribe dialog, the
// report series buttons and the views of the game state: text map, graphical map, options.

#include "core/report/map_parser.h"
#include "core/report/report_reader.h"
#include "core/report/settings.h"
#include "core/report/text_file.h"
#include "core/report/views.h"
#include "gui/busy_cursor.h"
#include "gui/captions.h"
#include "gui/check_result.h"
#include "gui/initialize.h"
#include "gui/main.h"
#include "gui/map_follower.h"
#include "gui/map_window.h"
#include "gui/move_document.h"
#include "gui/placement.h"
#include "gui/problem_panel.h"
#include "gui/text_codec.h"

#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <utility>

namespace orv::gui {

namespace {} // namespace

std::vector<std::string> MainWindow::SettingsCandidates() const {
    std::vector<std::string> candidates{state_.programDir + report::SettingsFileName};
    if (!env_.configDir.isEmpty()) {
        candidates.push_back(ToPath(env_.configDir) + "/" + report::SettingsFileName);
    }
    return candidates;
}

bool MainWindow::FormShow(const QStringList& arguments) {
    state_.reportFileName = arguments.isEmpty() ? std::string() : ToPath(arguments.first());
    if (!state_.reportFileName.empty()) {
        state_.commandLineReport = true;
        state_.series = report::SplitReportName(state_.reportFileName);
        state_.seriesButtons.boxVisible = !state_.series.prefix.empty();
        ApplySeriesButtons();
        LoadReport(state_.reportFileName);
        menuItemline->setVisible(false);
        menuItemReinitialize->setVisible(false);
        if (!ShowTribeDialog(false)) {
            return false;
        }
    } else if (state_.game.tribes.empty()) {
        const std::string settings = report::FindSettingsFile(SettingsCandidates());
        if (!settings.empty()) {
            const report::TextFile file = report::ReadTextFile(settings);
            report::SettingsRead read = report::ReadSettings(file.lines, state_.seriesButtons);
            state_.reportFileName = read.reportFileName;
            state_.game.tribeName = read.tribeName;
            state_.series = read.series;
            ApplySeriesButtons();
            if (!read.message.Empty()) {
                notifier_->Error(FromMessage(read.message));
            }
            if (report::FileExists(state_.reportFileName)) {
                LoadReport(state_.reportFileName);
            }
            report::SelectCurrentTribe(state_.game);
            GameChanged();
        } else {
            const QString chosen = ReportFileFromDialog();
            if (chosen.isEmpty()) {
                return false;
            }
            state_.reportFileName = ToPath(chosen);
            state_.series = {};
            LoadReport(state_.reportFileName);
            if (!ShowTribeDialog(true)) {
                return false;
            }
        }
    }
    RadioGroupCommandsClick();
    return true;
}

QString MainWindow::ReportFileFromDialog() {
    return picker_->OpenFileName(SelectReportTitle, QString(), DialogFilter(FileFilter));
}

bool MainWindow::LoadReport(const std::string& fileName) {
    const report::ReportLoadResult result = report::LoadReport(state_.game, fileName);
    if (result.status == report::ReportLoadStatus::NoReport) {
        notifier_->Error(FromMessage(result.message));
        return false;
    }
    state_.reportFileName = fileName;
    setWindowTitle(FromMessage(result.title) + QStringLiteral("[*]"));
    // Whatever loaded it, the buttons say whether the series goes on either way from here.
    state_.series = report::SplitReportName(fileName);
    state_.seriesButtons.boxVisible = !state_.series.prefix.empty();
    report::UpdateSeriesButtons(state_.series, fileName, state_.seriesButtons);
    ApplySeriesButtons();
    if (!result.message.Empty()) {
        notifier_->Error(FromMessage(result.message));
    }
    GameChanged();
    // Said once for the load, and kept until the next message of the status line.
    if (const std::string cut = report::MapCutMessage(state_.game.map); !cut.empty()) {
        statusBar()->showMessage(FromText(cut));
    }
    return true;
}

void MainWindow::GameChanged() {
    ShowTribeGoods();
    RunCheck();
    if (SelectedLine()) {
        UpdateCurrentGoods();
    }
    emit StateShown();
}

void MainWindow::ShowTribeGoods() {
    const report::TribeElem* tribe = state_.game.CurrentTribe();
    if (tribe == nullptr) {
        // No value of another report or tribe may stay on show.
        GroupBoxTribe->setTitle(QStringLiteral("Tribe Information"));
        for (QLabel* label :
             {LabelSGoldVal, LabelSWoodVal, LabelSFoodVal, LabelCGoldVal, LabelCWoodVal}) {
            label->setText(QStringLiteral("-"));
            label->setStyleSheet(QString());
        }
        return;
    }
    GroupBoxTribe->setTitle(QStringLiteral("Tribe ") + FromText(state_.game.tribeName));
    ShowGoodsValue(LabelSGoldVal, tribe->Gold());
    ShowGoodsValue(LabelSWoodVal, tribe->Wood());
    ShowGoodsValue(LabelSFoodVal, tribe->Food());
    ShowGoodsValue(LabelCGoldVal, tribe->Gold());
    ShowGoodsValue(LabelCWoodVal, tribe->Wood());
}

bool MainWindow::ShowTribeDialog(bool saveSettings) {
    formInitialize_->Fill(report::TribeChoices(state_.game), state_.game.tribeName);
    CenterOnScreen(formInitialize_);
    if (formInitialize_->exec() != QDialog::Accepted) {
        return false;
    }
    state_.game.tribeName = formInitialize_->ChosenTribeName();
    report::SelectCurrentTribe(state_.game);
    GameChanged();
    if (saveSettings) {
        WriteSettings();
    }
    return true;
}

void MainWindow::WriteSettings() {
    const std::string written = report::WriteSettingsFile(
        SettingsCandidates(), state_.reportFileName, state_.game.tribeName);
    if (written.empty()) {
        notifier_->Error(QStringLiteral("Cannot write the settings file ") +
                         FromMessage(report::Message().Name(SettingsCandidates().front())) +
                         QStringLiteral("."));
    }
    state_.series = report::SplitReportName(state_.reportFileName);
    report::UpdateSeriesButtons(state_.series, state_.reportFileName, state_.seriesButtons);
    ApplySeriesButtons();
}

void MainWindow::ApplySeriesButtons() {
    GroupBoxReport->setVisible(state_.seriesButtons.boxVisible);
    ButtonNext->setEnabled(state_.seriesButtons.nextEnabled);
    ButtonPrevious->setEnabled(state_.seriesButtons.previousEnabled);
}

bool MainWindow::Quit() {
    if (!MaybeSave()) {
        return false;
    }
    quitConfirmed_ = true;
    if (env_.quit) {
        env_.quit();
        return true;
    }
    close();
    QCoreApplication::exit(0);
    return true;
}

void MainWindow::ChooseTribeOrQuit(bool saveSettings) {
    while (!ShowTribeDialog(saveSettings)) {
        if (Quit()) {
            return;
        }
    }
}

void MainWindow::menuItemReinitializeClick() {
    const QString chosen = ReportFileFromDialog();
    if (chosen.isEmpty() || !LoadReport(ToPath(chosen))) {
        return;
    }
    state_.series = {};
    ChooseTribeOrQuit(true);
}

void MainWindow::menuItemLoadReportClick() {
    const QString chosen = ReportFileFromDialog();
    if (chosen.isEmpty() || !LoadReport(ToPath(chosen))) {
        return;
    }
    state_.series = report::SplitReportName(state_.reportFileName);
    state_.seriesButtons.boxVisible = !state_.series.prefix.empty();
    ApplySeriesButtons();
    ChooseTribeOrQuit(false);
}

void MainWindow::Step(report::FindMode mode) {
    // Stepped on copies: a file of the series that is no report changes nothing.
    std::string name = state_.reportFileName;
    report::SeriesButtons buttons = state_.seriesButtons;
    const std::string found = report::StepReport(state_.series, name, mode, buttons);
    if (found.empty()) {
        return;
    }
    if (report::FileExists(found) && !LoadReport(found)) {
        return;
    }
    state_.reportFileName = name;
    state_.seriesButtons = buttons;
    ApplySeriesButtons();
    if (!report::FileExists(found)) {
        notifier_->Error(
            FromMessage(report::Message().Text("Report ").Name(found).Text(" not found!")));
        return;
    }
    report::SelectCurrentTribe(state_.game);
    GameChanged();
}

void MainWindow::ButtonNextClick() {
    Step(report::FindMode::Next);
}

void MainWindow::ButtonPreviousClick() {
    Step(report::FindMode::Previous);
}

void MainWindow::menuItemShowMapClick() {
    const BusyCursor busy;
    formCheckResult_->ShowTextWindow(report::ShowMapText(state_.game.map),
                                     MapCaption(state_.reportFileName));
}

void MainWindow::menuItemShowGraphicalMapClick() {
    map_->Show();
}

MapWindow* MainWindow::GraphicalMap() const {
    return map_->Window();
}

void MainWindow::PickOnMap(std::function<void(int x, int y)> done, QWidget* over) {
    map_->Pick(std::move(done), over);
}

void MainWindow::menuItemShowOptionsClick() {
    formCheckResult_->ShowTextWindow(report::ShowGlobalOptionsText(state_.game.options),
                                     GlobalOptionsCaption);
}

} // namespace orv::gui

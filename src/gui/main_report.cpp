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
#include <QSettings>
#include <QStatusBar>
#include <utility>

namespace orv::gui {

std::vector<std::string> MainWindow::SettingsCandidates() const {
    return session_->SettingsCandidates();
}

bool MainWindow::FormShow(const QStringList& arguments) {
    const std::string named = arguments.isEmpty() ? std::string() : ToPath(arguments.first());
    if (!named.empty()) {
        session_->LoadFromCommandLine(named);
        menuItemline->setVisible(false);
        menuItemReinitialize->setVisible(false);
        if (!ShowTribeDialog(false)) {
            return false;
        }
    } else if (state_.game.tribes.empty() && !session_->LoadFromSettings()) {
        const QString chosen = ReportFileFromDialog();
        if (chosen.isEmpty()) {
            return false;
        }
        state_.reportFileName = ToPath(chosen);
        session_->ForgetSeries();
        session_->Load(state_.reportFileName);
        if (!ShowTribeDialog(true)) {
            return false;
        }
    }
    RadioGroupCommandsClick();
    return true;
}

QString MainWindow::ReportFileFromDialog() {
    return picker_->OpenFileName(SelectReportTitle, QString(), ReportFileFilter);
}

void MainWindow::GameChanged() {
    if (map_ != nullptr) {
        map_->GameChanged();
    }
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

namespace {

// The window settings' key of the tribe last played with a report's series (with a report
// of no series, with that report): the series' name pattern, kept byte for byte.
QString SeriesTribeKey(const std::string& reportFileName) {
    const report::ReportSeries series = report::SplitReportName(reportFileName);
    const std::string pattern =
        series.IsSeries() ? series.prefix + '*' + series.suffix : reportFileName;
    return QStringLiteral("seriesTribes/") +
           QString::fromLatin1(QByteArray::fromStdString(pattern).toBase64(
               QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

} // namespace

bool MainWindow::ShowTribeDialog(bool saveSettings) {
    const QString key = SeriesTribeKey(state_.reportFileName);
    const QByteArray remembered = WindowSettings().value(key).toByteArray();
    formInitialize_->Fill(report::TribeChoices(state_.game),
                          remembered.isEmpty() ? state_.game.tribeName : remembered.toStdString());
    CenterOnScreen(formInitialize_);
    if (formInitialize_->exec() != QDialog::Accepted) {
        return false;
    }
    session_->ChooseTribe(formInitialize_->ChosenTribeName(), saveSettings);
    WindowSettings().setValue(key, QByteArray::fromStdString(state_.game.tribeName));
    return true;
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
    if (chosen.isEmpty() || !session_->Load(ToPath(chosen))) {
        return;
    }
    session_->ForgetSeries();
    ChooseTribeOrQuit(true);
}

void MainWindow::menuItemLoadReportClick() {
    const QString chosen = ReportFileFromDialog();
    if (chosen.isEmpty() || !session_->Load(ToPath(chosen))) {
        return;
    }
    session_->StartSeries();
    ChooseTribeOrQuit(false);
}

void MainWindow::ButtonNextClick() {
    session_->Step(report::FindMode::Next);
}

void MainWindow::ButtonPreviousClick() {
    session_->Step(report::FindMode::Previous);
}

void MainWindow::menuItemShowMapClick() {
    const BusyCursor busy;
    formCheckResult_->ShowTextWindow(report::ShowMapText(state_.game.map),
                                     MapCaption(state_.reportFileName),
                                     QStringLiteral("textWindow/map"));
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
                                     GlobalOptionsCaption, QStringLiteral("textWindow/options"));
}

} // namespace orv::gui

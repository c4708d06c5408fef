#include "gui/report_session.h"

#include "core/report/map_parser.h"
#include "core/report/report_reader.h"
#include "core/report/settings.h"
#include "core/report/text_file.h"
#include "gui/services.h"
#include "gui/text_codec.h"

#include <utility>

namespace orv::gui {

ReportSession::ReportSession(const QString& programDir, report::SettingsPlaces places,
                             Notifier& messages, QObject* parent)
    : QObject(parent), places_(std::move(places)), messages_(messages) {
    QString dir = programDir;
    if (!dir.endsWith(QLatin1Char('/'))) {
        dir += QLatin1Char('/');
    }
    state_.programDir = ToPath(dir);
}

void ReportSession::LoadFromCommandLine(const std::string& fileName) {
    state_.commandLineReport = true;
    state_.reportFileName = fileName;
    StartSeries();
    Load(fileName);
}

bool ReportSession::LoadFromSettings() {
    std::string settings = report::FindSettingsFile(places_.candidates);
    const bool imported = settings.empty();
    if (imported) {
        settings = report::FindSettingsFile(places_.imports);
    }
    if (settings.empty()) {
        return false;
    }
    const report::TextFile file = report::ReadTextFile(settings);
    if (imported && !file.lines.empty()) {
        // Taken over as it stands, so the old file is read this once and never written.
        report::WriteSettingsFile(places_.candidates, file.lines[0],
                                  file.lines.size() > 1 ? file.lines[1] : std::string());
    }
    report::SettingsRead read = report::ReadSettings(file.lines, state_.seriesButtons);
    state_.reportFileName = read.reportFileName;
    state_.game.tribeName = read.tribeName;
    state_.series = read.series;
    emit ButtonsChanged();
    if (!read.message.Empty()) {
        messages_.Error(FromMessage(read.message));
    }
    if (report::FileExists(state_.reportFileName)) {
        Load(state_.reportFileName);
    }
    report::SelectCurrentTribe(state_.game);
    emit GameChanged();
    return true;
}

bool ReportSession::Load(const std::string& fileName) {
    const report::ReportLoadResult result = report::LoadReport(state_.game, fileName);
    if (result.status == report::ReportLoadStatus::NoReport) {
        messages_.Error(FromMessage(result.message));
        return false;
    }
    state_.reportFileName = fileName;
    emit TitleChanged(FromMessage(result.title));
    // Whatever loaded it, the buttons say whether the series goes on either way from here.
    state_.series = report::SplitReportName(fileName);
    state_.seriesButtons.boxVisible = !state_.series.prefix.empty();
    report::UpdateSeriesButtons(state_.series, fileName, state_.seriesButtons);
    emit ButtonsChanged();
    if (!result.message.Empty()) {
        messages_.Error(FromMessage(result.message));
    }
    emit GameChanged();
    // Said once for the load, and kept until the next note of the status line.
    if (const std::string cut = report::MapCutMessage(state_.game.map); !cut.empty()) {
        emit Said(FromText(cut));
    }
    return true;
}

void ReportSession::ChooseTribe(const std::string& tribeName, bool saveSettings) {
    state_.game.tribeName = tribeName;
    report::SelectCurrentTribe(state_.game);
    emit GameChanged();
    if (saveSettings) {
        WriteSettings();
    }
}

void ReportSession::WriteSettings() {
    const std::string written = report::WriteSettingsFile(
        SettingsCandidates(), state_.reportFileName, state_.game.tribeName);
    if (written.empty()) {
        messages_.Error(QStringLiteral("Cannot write the settings file ") +
                        FromMessage(report::Message().Name(SettingsCandidates().front())) +
                        QStringLiteral("."));
    }
    state_.series = report::SplitReportName(state_.reportFileName);
    report::UpdateSeriesButtons(state_.series, state_.reportFileName, state_.seriesButtons);
    emit ButtonsChanged();
}

void ReportSession::Step(report::FindMode mode) {
    // Stepped on copies: a file of the series that is no report changes nothing.
    std::string name = state_.reportFileName;
    report::SeriesButtons buttons = state_.seriesButtons;
    const std::string found = report::StepReport(state_.series, name, mode, buttons);
    if (found.empty()) {
        return;
    }
    if (report::FileExists(found) && !Load(found)) {
        return;
    }
    state_.reportFileName = name;
    state_.seriesButtons = buttons;
    emit ButtonsChanged();
    if (!report::FileExists(found)) {
        messages_.Error(
            FromMessage(report::Message().Text("Report ").Name(found).Text(" not found!")));
        return;
    }
    report::SelectCurrentTribe(state_.game);
    emit GameChanged();
}

void ReportSession::ForgetSeries() {
    state_.series = {};
}

void ReportSession::StartSeries() {
    state_.series = report::SplitReportName(state_.reportFileName);
    state_.seriesButtons.boxVisible = !state_.series.prefix.empty();
    emit ButtonsChanged();
}

} // namespace orv::gui

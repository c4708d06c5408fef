#pragma once
// The report the window works with: which file it came from, the numbered series it belongs
// to and whether that goes on either way, the game read from it and the tribe played, and
// the two-line settings file that remembers the report and the tribe. The window follows
// what it says changed.

#include "core/report/game.h"
#include "core/report/report_series.h"
#include "core/report/settings.h"

#include <QObject>
#include <QString>
#include <string>
#include <vector>

namespace orv::gui {

class Notifier;

// The program's state beside the widgets.
struct ProgramState {
    std::string programDir; // ends in a separator
    std::string reportFileName;
    report::ReportSeries series;
    report::SeriesButtons seriesButtons;
    report::Game game;
    bool commandLineReport = false; // the settings file is then neither read nor written
};

class ReportSession : public QObject {
    Q_OBJECT
  public:
    // places: where the settings file is read and written.
    ReportSession(const QString& programDir, report::SettingsPlaces places, Notifier& messages,
                  QObject* parent);

    const ProgramState& State() const { return state_; }
    ProgramState& State() { return state_; }

    // The settings files, in the order they are read; writing takes the first that can be
    // written.
    const std::vector<std::string>& SettingsCandidates() const { return places_.candidates; }

    // The report named on the command line, loaded (the settings file is then left alone).
    void LoadFromCommandLine(const std::string& fileName);
    // Reads the settings file and loads the newest report of its series with its tribe;
    // false when there is no settings file.
    bool LoadFromSettings();
    // Loads a report; false, with the message shown and nothing changed, for a file that is
    // no turn report.
    bool Load(const std::string& fileName);
    // The tribe chosen in the tribe dialog, taken; the settings file remembers it when asked.
    void ChooseTribe(const std::string& tribeName, bool saveSettings);
    // The report the settings file is to remember, and the buttons of its series.
    void WriteSettings();
    // Next and Previous: the next or previous report of the series, with the tribe played.
    void Step(report::FindMode mode);
    // After "Reinitialize..." and "Load...": the report stands on its own, or starts a
    // series whose buttons show from here.
    void ForgetSeries();
    void StartSeries();

  signals:
    // The window's title for the report loaded, or for one that was not found or read.
    void TitleChanged(const QString& title);
    // The series box and its buttons are to show State().seriesButtons.
    void ButtonsChanged();
    // The report or the tribe changed: goods, check and views follow.
    void GameChanged();
    // A note for the status line, kept until the next one.
    void Said(const QString& note);

  private:
    ProgramState state_;
    report::SettingsPlaces places_;
    Notifier& messages_;
};

} // namespace orv::gui

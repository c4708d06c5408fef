#pragma once
// The one text window of the program: it shows the map, the global options and the check
// report, each replacing what it showed before.

#include <QWidget>
#include <string_view>

class QPlainTextEdit;
class QSettings;

namespace orv::gui {

class PlaceKeeper;

// The one text window (the form of old called TFormCheckResult) that shows the map, the
// options and the check report.
class TextWindow : public QWidget {
    Q_OBJECT
  public:
    explicit TextWindow(QWidget* parent = nullptr);

    // The window's size and place are kept in settings, one for each thing it shows.
    void KeepPlaces(QSettings& settings, const QWidget* home);

    // Replaces caption and text (lines separated by CR LF) and brings the window up where
    // it last showed the same kind of text (placeKey).
    void ShowTextWindow(std::string_view text, const QString& caption,
                        const QString& placeKey = QStringLiteral("textWindow/checkResult"));

    QPlainTextEdit* Memo() const { return memo_; }

  private:
    QPlainTextEdit* memo_;
    PlaceKeeper* places_ = nullptr;
};

// Courier New when installed, else the system's fixed-pitch font.
QFont FixedPitchFont();

} // namespace orv::gui

#pragma once
// The one text window of the program: it shows the map, the global options and the check
// report, each replacing what it showed before.

#include <QWidget>
#include <string_view>

class QPlainTextEdit;

namespace orv::gui {

// The one text window (the form of old called TFormCheckResult) that shows the map, the
// options and the check report.
class TextWindow : public QWidget {
    Q_OBJECT
  public:
    explicit TextWindow(QWidget* parent = nullptr);

    // Replaces caption and text (lines separated by CR LF) and brings the window up.
    void ShowTextWindow(std::string_view text, const QString& caption);

    QPlainTextEdit* Memo() const { return memo_; }

  private:
    QPlainTextEdit* memo_;
    bool placed_ = false;
};

// Courier New when installed, else the system's fixed-pitch font.
QFont FixedPitchFont();

} // namespace orv::gui

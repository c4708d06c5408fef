#pragma once
// The About window: title picture with the version, and the machine's memory figures as
// they were when the program started.

#include "gui/memory_info.h"

#include <QDialog>

class QLabel;

namespace orv::gui {

// The About window (the form of old called TAboutBox): version and memory figures.
class AboutBox : public QDialog {
    Q_OBJECT
  public:
    // The figures are taken once, here, not each time the window is shown.
    explicit AboutBox(QWidget* parent = nullptr, MemoryInfo memory = ReadMemoryInfo());

    QString PhysicalMemoryText() const;
    QString MemoryInUseText() const;

  signals:
    void HelpRequested(int context);

  private:
    QLabel* physMem_;
    QLabel* memInUse_;
};

// "#,### KB": the kilobytes grouped by the locale's separator, a blank and KB.
QString FormatKilobytes(std::uint64_t kilobytes);

} // namespace orv::gui

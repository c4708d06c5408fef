#pragma once
// Placing windows: the main window, the tribe dialog and the About window stand in the
// middle of the screen; the text window first appears over the main window.

#include <QObject>
#include <QPointer>
#include <QSettings>
#include <QString>

class QSize;
class QWidget;

namespace orv::gui {

// Moves the window so that its frame is centred on its screen.
void CenterOnScreen(QWidget* window);

// Gives the window its first size, made smaller where the screen's free area is smaller
// (large text scaling), so that no part of a new window starts off the screen.
void ResizeWithinScreen(QWidget* window, QSize wanted);

// Moves the window so that its frame is centred over another window.
void CenterOver(QWidget* window, const QWidget* other);

// Escape and Ctrl+W close the window.
void CloseOnEscape(QWidget* window);

// Brings a window that lies partly off every screen back onto the screen that holds home
// (the main window; the window's own screen without one), whole where it fits.
void KeepOnScreen(QWidget* window, const QWidget* home);

// Keeps a window's size and place in the window settings under a key: put back when the
// window is shown through Show (over the middle of home the first time, when nothing is
// kept), kept whenever it is hidden. The key may change with what the window shows.
class PlaceKeeper final : public QObject {
  public:
    PlaceKeeper(QWidget* window, QSettings& settings, QString key, const QWidget* home);

    // Keeps the place under the old key and, when the window is on show, takes the new key's.
    void SetKey(const QString& key);
    // Shows the window where it was last left, or brings it up where it stands.
    void Show();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Restore();
    void Keep();

    QWidget* window_;
    QPointer<QSettings> settings_; // gone before the window when its owner is destroyed first
    QString key_;
    const QWidget* home_;
};

} // namespace orv::gui

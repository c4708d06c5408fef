#pragma once
// Placing windows: the main window, the tribe dialog and the About window stand in the
// middle of the screen; the text window first appears over the main window.

class QWidget;

namespace orv::gui {

// Moves the window so that its frame is centred on its screen.
void CenterOnScreen(QWidget* window);

// Moves the window so that its frame is centred over another window.
void CenterOver(QWidget* window, const QWidget* other);

} // namespace orv::gui

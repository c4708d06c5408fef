#pragma once
// Placing windows: the main window, the tribe dialog and the About window stand in the
// middle of the screen; the text window first appears over the main window.

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

} // namespace orv::gui

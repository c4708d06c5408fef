#include "gui/placement.h"

#include <QScreen>
#include <QWidget>

namespace orv::gui {

namespace {

void CenterAt(QWidget* window, QPoint center) {
    // A window never sized by hand takes its layout's size first, so the centre is right.
    if (!window->testAttribute(Qt::WA_Resized)) {
        window->adjustSize();
    }
    QRect frame = window->frameGeometry();
    frame.moveCenter(center);
    window->move(frame.topLeft());
}

} // namespace

void CenterOnScreen(QWidget* window) {
    if (const QScreen* screen = window->screen()) {
        CenterAt(window, screen->availableGeometry().center());
    }
}

void ResizeWithinScreen(QWidget* window, QSize wanted) {
    if (const QScreen* screen = window->screen()) {
        // Room for the window manager's frame and title bar around the client area.
        constexpr int FrameRoom = 60;
        const QSize free = screen->availableGeometry().size() - QSize(FrameRoom, FrameRoom);
        wanted = wanted.boundedTo(free.expandedTo(window->minimumSize()));
    }
    window->resize(wanted);
}

void CenterOver(QWidget* window, const QWidget* other) {
    CenterAt(window, other->frameGeometry().center());
}

} // namespace orv::gui

#include "gui/placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QWidget>
#include <algorithm>
#include <utility>

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

void CloseOnEscape(QWidget* window) {
    for (const QKeySequence& key :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto* close = new QShortcut(key, window);
        close->setContext(Qt::WindowShortcut);
        QObject::connect(close, &QShortcut::activated, window, &QWidget::close);
    }
}

void KeepOnScreen(QWidget* window, const QWidget* home) {
    const QRect frame = window->frameGeometry();
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().contains(frame)) {
            return;
        }
    }
    const QScreen* screen = home != nullptr ? home->screen() : window->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect free = screen->availableGeometry();
    // The frame's top left corner within the free area, as far as the frame fits there.
    const int x = std::max(free.left(), std::min(frame.left(), free.right() - frame.width() + 1));
    const int y = std::max(free.top(), std::min(frame.top(), free.bottom() - frame.height() + 1));
    window->move(window->pos() + QPoint(x, y) - frame.topLeft());
}

PlaceKeeper::PlaceKeeper(QWidget* window, QSettings& settings, QString key, const QWidget* home)
    : QObject(window), window_(window), settings_(&settings), key_(std::move(key)), home_(home) {
    window->installEventFilter(this);
}

void PlaceKeeper::SetKey(const QString& key) {
    if (key == key_) {
        return;
    }
    if (window_->isVisible()) {
        Keep();
        key_ = key;
        Restore();
    } else {
        key_ = key;
    }
}

void PlaceKeeper::Show() {
    if (!window_->isVisible()) {
        Restore();
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

bool PlaceKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Hide) {
        Keep();
    }
    return QObject::eventFilter(watched, event);
}

void PlaceKeeper::Restore() {
    const QByteArray kept =
        settings_.isNull() ? QByteArray() : settings_->value(key_).toByteArray();
    if (kept.isEmpty() || !window_->restoreGeometry(kept)) {
        if (home_ != nullptr) {
            CenterOver(window_, home_);
        }
    }
    KeepOnScreen(window_, home_);
}

void PlaceKeeper::Keep() {
    if (!settings_.isNull()) {
        settings_->setValue(key_, window_->saveGeometry());
    }
}

} // namespace orv::gui

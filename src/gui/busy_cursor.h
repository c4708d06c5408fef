#pragma once
// The busy mouse pointer for as long as an object of this type lives, so every way out of
// a long operation restores the normal pointer.

#include <QApplication>

namespace orv::gui {

class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace orv::gui

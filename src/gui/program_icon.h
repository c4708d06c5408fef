#pragma once
// The program's icon, for its windows and the task bar.

#include <QIcon>

namespace orv::gui {

// The icon of the desktop's theme where it has one (an installed build), else the pictures
// built into the program.
QIcon ProgramIcon();

} // namespace orv::gui

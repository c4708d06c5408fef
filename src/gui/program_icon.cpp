#include "gui/program_icon.h"

namespace orv::gui {

QIcon ProgramIcon() {
    return QIcon::fromTheme(QStringLiteral("orvmove"));
}

} // namespace orv::gui

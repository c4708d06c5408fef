#include "gui/program_icon.h"

// The pictures live in this static library; a program linking it registers them where they
// are first needed. The toolkit's macro works only outside a namespace.
static void InitIconResources() {
    Q_INIT_RESOURCE(program_icon);
}

namespace orv::gui {

QIcon ProgramIcon() {
    InitIconResources();
    QIcon built;
    for (const int side : {16, 32, 48, 64, 128, 256}) {
        built.addFile(QStringLiteral(":/icons/orvmove-%1.png").arg(side), QSize(side, side));
    }
    return QIcon::fromTheme(QStringLiteral("orvmove"), built);
}

} // namespace orv::gui

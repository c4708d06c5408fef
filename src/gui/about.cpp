#include "gui/about.h"

#include "orv_version.h"

#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>

namespace orv::gui {

namespace {

constexpr int AboutHelpContext = 100;

// The colours of the title picture.
constexpr QRgb SeaBlue = 0x285aa0;
constexpr QRgb LandGreen = 0x6e9646;
constexpr QRgb CellLine = 0x14283c;
constexpr QRgb CastleRed = 0x963c28;

// A small map of provinces: land, sea and a castle.
QPixmap TitlePicture() {
    constexpr int cell = 24;
    constexpr int cols = 16;
    constexpr int rows = 4;
    constexpr int castle = cell / 2;
    constexpr int titlePoints = 22;
    QPixmap picture(cols * cell, rows * cell);
    picture.fill(QColor(SeaBlue));
    QPainter painter(&picture);
    static constexpr const char* land[rows] = {"..##....###.....", ".####..#####..#.",
                                               "..###...###.###.", "...#......##...."};
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < cols; ++x) {
            const bool isLand = land[y][x] == '#';
            const QRect r(x * cell, y * cell, cell, cell);
            painter.fillRect(r, QColor(isLand ? LandGreen : SeaBlue));
            painter.setPen(QColor(CellLine));
            painter.drawRect(r.adjusted(0, 0, -1, -1));
        }
    }
    // In the middle of the fourth province of the second row.
    painter.fillRect(QRect(3 * cell + castle / 2, cell + castle / 2, castle, castle),
                     QColor(CastleRed));
    QFont title = painter.font();
    title.setPointSize(titlePoints);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, picture.width(), picture.height() - cell + castle / 2),
                     Qt::AlignCenter, QStringLiteral("OrvMove"));
    return picture;
}

} // namespace

QString FormatKilobytes(std::uint64_t kilobytes) {
    return QLocale().toString(static_cast<qulonglong>(kilobytes)) + QStringLiteral(" KB");
}

AboutBox::AboutBox(QWidget* parent, MemoryInfo memory)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      physMem_(new QLabel(FormatKilobytes(memory.totalKilobytes), this)),
      memInUse_(new QLabel(QString::asprintf("%d%%", memory.percentInUse), this)) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setModal(false);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    picture->setPixmap(TitlePicture());
    auto* version = new QLabel(QStringLiteral("V" ORV_VERSION), this);
    version->setObjectName(QStringLiteral("Version"));
    physMem_->setObjectName(QStringLiteral("PhysMem"));
    memInUse_->setObjectName(QStringLiteral("FreeRes"));
    physMem_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    memInUse_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->addWidget(picture, 0, 0, 1, 2, Qt::AlignHCenter);
    // The version stands on the picture, in its lower right corner.
    version->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    version->setContentsMargins(0, 0, 6, 4);
    grid->addWidget(version, 0, 0, 1, 2, Qt::AlignRight | Qt::AlignBottom);
    grid->addWidget(new QLabel(QStringLiteral("Physical memory available to the system:"), this), 1,
                    0);
    grid->addWidget(physMem_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Memory in use:"), this), 2, 0);
    grid->addWidget(memInUse_, 2, 1);
    grid->addWidget(ok, 3, 0, 1, 2, Qt::AlignHCenter);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, [this] { emit HelpRequested(AboutHelpContext); });
}

QString AboutBox::PhysicalMemoryText() const {
    return physMem_->text();
}
QString AboutBox::MemoryInUseText() const {
    return memInUse_->text();
}

} // namespace orv::gui

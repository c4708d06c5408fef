#include "gui/about.h"

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

// A small map of provinces: land, sea and a castle.
QPixmap TitlePicture() {
    constexpr int cell = 24;
    constexpr int cols = 16;
    constexpr int rows = 4;
    QPixmap picture(cols * cell, rows * cell);
    picture.fill(QColor(40, 90, 160));
    QPainter painter(&picture);
    static constexpr const char* land[rows] = {"..##....###.....", ".####..#####..#.",
                                               "..###...###.###.", "...#......##...."};
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < cols; ++x) {
            const bool isLand = land[y][x] == '#';
            const QRect r(x * cell, y * cell, cell, cell);
            painter.fillRect(r, isLand ? QColor(110, 150, 70) : QColor(40, 90, 160));
            painter.setPen(QColor(20, 40, 60));
            painter.drawRect(r.adjusted(0, 0, -1, -1));
        }
    }
    painter.fillRect(QRect(3 * cell + 6, 1 * cell + 6, 12, 12), QColor(150, 60, 40));
    QFont title = painter.font();
    title.setPointSize(22);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, picture.width(), picture.height() - 20), Qt::AlignCenter,
                     QStringLiteral("OrvMove"));
    return picture;
}

} // namespace

QString FormatKilobytes(std::uint64_t kilobytes) {
    return QLocale().toString(static_cast<qulonglong>(kilobytes)) + QStringLiteral(" KB");
}

TAboutBox::TAboutBox(QWidget* parent, MemoryInfo memory)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      physMem_(new QLabel(FormatKilobytes(memory.totalKilobytes), this)),
      memInUse_(new QLabel(QString::asprintf("%d%%", memory.percentInUse), this)) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setModal(false);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    picture->setPixmap(TitlePicture());
    auto* version = new QLabel(QStringLiteral("V1.13"), this);
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
    grid->addWidget(new QLabel(QStringLiteral("Physical memory available to Windows:"), this), 1,
                    0);
    grid->addWidget(physMem_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Memory in use:"), this), 2, 0);
    grid->addWidget(memInUse_, 2, 1);
    grid->addWidget(ok, 3, 0, 1, 2, Qt::AlignHCenter);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, [this] { emit HelpRequested(AboutHelpContext); });
}

QString TAboutBox::PhysicalMemoryText() const {
    return physMem_->text();
}
QString TAboutBox::MemoryInUseText() const {
    return memInUse_->text();
}

} // namespace orv::gui

// The graphical map window: opened from the Report menu, painting the report and the move,
// following the move and its selected line, and picking provinces.

#include "fixture.h"
#include "gui/command_dialog.h"
#include "gui/map_window.h"
#include "gui/movement_dialog.h"
#include "gui_tests.h"

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using orv::gui::MapCanvas;
using orv::gui::MapWindow;
using orv::gui::MovementDialog;
using orv::gui::testing::Example;
using orv::gui::testing::MainFixture;
using orv::move::CommandDialog;
using orv::move::CommandKind;
using orv::move::DisplayForm;

namespace {

// True when the pixel is within a few steps of the colour in every channel.
bool Near(QColor pixel, QColor expected) {
    return std::abs(pixel.red() - expected.red()) <= 8 &&
           std::abs(pixel.green() - expected.green()) <= 8 &&
           std::abs(pixel.blue() - expected.blue()) <= 8;
}

QColor ColourOf(orv::mapview::Rgb rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

bool Bright(QColor pixel) {
    return pixel.red() > 200 && pixel.green() > 200 && pixel.blue() > 200;
}

// Opens the movement dialog of the main window for a new order of the kind and acts in it
// while it is open; the dialog is cancelled afterwards unless act closed it.
void InMovementDialog(MainFixture& f, CommandKind kind,
                      const std::function<void(MovementDialog*)>& act) {
    auto* dialog = static_cast<MovementDialog*>(f.form->CommandDialog(CommandDialog::Movement));
    QTimer::singleShot(0, dialog, [dialog, act] {
        act(dialog);
        if (dialog->isVisible()) {
            dialog->ButtonCancel->click();
        }
    });
    dialog->ShowCommand(DisplayForm::Raw, kind, {});
}

class MapWindowTest : public QObject {
    Q_OBJECT

    // The example report with one land movement (line 1), shown on the map.
    static MapWindow* OpenMap(MainFixture& f) {
        f.StartWith(Example("turn12.txt"));
        f.form->Document()->SetForm(orv::move::DisplayForm::Raw);
        f.SetMove({"LAND 3 4 FO 2 E", "PLA 3 3 FO", "END"});
        f.form->menuItemShowGraphicalMap->trigger();
        return f.form->GraphicalMap();
    }

  private slots:
    void paintsSeaAndTheMovesPath() {
        MainFixture f;
        MapWindow* map = OpenMap(f);
        QVERIFY(map != nullptr && map->isVisible());
        MapCanvas* canvas = map->Canvas();
        const orv::mapview::Drawing& drawing = canvas->Drawing();
        QCOMPARE(drawing.arrows.size(), std::size_t{1});
        QCOMPARE(drawing.marks.size(), std::size_t{1});
        const QImage image = canvas->grab().toImage();
        const int t = canvas->Geometry().tile;

        // 1/1 is sea in the example; its top middle holds neither text nor marks.
        QVERIFY(drawing.TileAt(1, 1)->sea);
        const QPoint seaPixel(canvas->Geometry().Left(1) + t / 2, canvas->Geometry().Top(1) + 4);
        QVERIFY(Near(image.pixelColor(seaPixel), ColourOf(drawing.TileAt(1, 1)->colour)));

        // Halfway from 3/4 to 4/4 the land path runs in its dark colour.
        const QPoint halfway = (canvas->CentreOf(3, 4) + canvas->CentreOf(4, 4)) / 2;
        QVERIFY(Near(image.pixelColor(halfway), QColor(30, 25, 20)));
    }

    void selectingTheOrderHighlightsItsPath() {
        MainFixture f;
        MapWindow* map = OpenMap(f);
        MapCanvas* canvas = map->Canvas();
        const QPoint beside = (canvas->CentreOf(3, 4) + canvas->CentreOf(4, 4)) / 2 + QPoint(0, 5);
        const QColor before = canvas->grab().toImage().pixelColor(beside);
        QVERIFY(!Near(before, QColor(255, 230, 0)));
        f.form->ListBoxMove->setCurrentRow(1);
        const QColor after = canvas->grab().toImage().pixelColor(beside);
        QVERIFY2(after.red() > 200 && after.green() > 180 && after.blue() < 120,
                 qPrintable(after.name()));
    }

    void followsTheMoveAsItIsEdited() {
        MainFixture f;
        MapWindow* map = OpenMap(f);
        f.SetMove({"LAND 3 4 FO 2 E", "LAND 3 4 FO 1 N", "SEA 2 4 SH 1 W W", "END"});
        const orv::mapview::Drawing& drawing = map->Canvas()->Drawing();
        QCOMPARE(drawing.arrows.size(), std::size_t{3});
        QVERIFY(drawing.marks.empty());
        QVERIFY(drawing.arrows[2].Failed());
        QVERIFY(map->MessagesLabel()->isHidden());
        f.form->ListBoxMove->setCurrentRow(3);
        QCOMPARE(map->MessagesLabel()->text(), QStringLiteral("Ship moves beyond map boundaries!"));
        QVERIFY(!map->MessagesLabel()->isHidden());
    }

    // A land movement into the sea ends where the check books its troops: a blue mark, not the
    // red one of a failure.
    void endsAcceptedByTheCheckAreNoFailures() {
        MainFixture f;
        MapWindow* map = OpenMap(f);
        f.SetMove({"LAND 11 4 FO 1 E", "RAID 11 4 FO 1 E", "END"});
        MapCanvas* canvas = map->Canvas();
        const int t = canvas->Geometry().tile;
        const QImage image = canvas->grab().toImage();
        const QPoint land = canvas->CentreOf(12, 4) + QPoint(t / 6, 0);
        const QPoint raid = land - QPoint(t / 8, t / 8);
        const QColor blue = image.pixelColor(land);
        const QColor red = image.pixelColor(raid);
        QVERIFY2(blue.blue() > 120 && blue.red() < 90, qPrintable(blue.name()));
        QVERIFY2(red.red() > 150 && red.green() < 90 && red.blue() < 90, qPrintable(red.name()));
        QVERIFY(!canvas->Drawing().arrows[0].Failed());
    }

    // The troops of 3/4 stay readable where the path runs through the province.
    void troopFiguresStayAbovePaths() {
        MainFixture f;
        MapWindow* map = OpenMap(f);
        const QImage image = map->Canvas()->grab().toImage();
        const QPoint centre = map->Canvas()->CentreOf(3, 4);
        int bright = 0;
        for (int dx = -3; dx <= 3; ++dx) {
            bright += Bright(image.pixelColor(centre + QPoint(dx, 0))) ? 1 : 0;
        }
        QVERIFY(bright > 0);
    }

    // Zoomed in and scrolled to the far corner, the rulers stay where they were and number
    // the last column and row.
    void rulersStayAtTheEdgesOfTheView() {
        MainFixture f;
        MapWindow* map = OpenMap(f);
        const QRect columns = map->ColumnRuler()->geometry();
        const QRect rows = map->RowRuler()->geometry();
        QTest::keyClick(map, Qt::Key_Plus);
        QTest::keyClick(map, Qt::Key_Plus);
        for (QScrollBar* bar :
             {map->ScrollArea()->horizontalScrollBar(), map->ScrollArea()->verticalScrollBar()}) {
            QVERIFY(bar->maximum() > 0);
            bar->setValue(bar->maximum());
        }
        QCOMPARE(map->ColumnRuler()->geometry().topLeft(), columns.topLeft());
        QCOMPARE(map->RowRuler()->geometry().topLeft(), rows.topLeft());
        const int edge = map->Canvas()->Geometry().margin + 6;
        QCOMPARE(map->ColumnRuler()->NumberAt(map->ColumnRuler()->width() - edge),
                 QStringLiteral("12"));
        QCOMPARE(map->RowRuler()->NumberAt(map->RowRuler()->height() - edge), QStringLiteral("8"));
    }

    void pickHandsBackTheClickedProvinceOnce() {
        MainFixture f;
        MapWindow* map = OpenMap(f);
        MapCanvas* canvas = map->Canvas();
        QList<QPoint> picked;
        map->PickProvince([&picked](int x, int y) { picked.append(QPoint(x, y)); });
        QVERIFY(map->Picking());
        QTest::mouseClick(canvas, Qt::LeftButton, {}, canvas->CentreOf(4, 2));
        QTest::mouseClick(canvas, Qt::LeftButton, {}, canvas->CentreOf(2, 4));
        QCOMPARE(picked, QList<QPoint>{QPoint(4, 2)});
        QVERIFY(!map->Picking());

        map->PickProvince([&picked](int x, int y) { picked.append(QPoint(x, y)); });
        QTest::keyClick(map, Qt::Key_Escape);
        QVERIFY(!map->Picking());
        QTest::mouseClick(canvas, Qt::LeftButton, {}, canvas->CentreOf(2, 4));
        QCOMPARE(picked.size(), 1);
    }

    void pickOnMapFromTheMainWindowOpensTheMap() {
        MainFixture f;
        f.StartWith(Example("turn12.txt"));
        QPoint picked;
        f.form->PickOnMap([&picked](int x, int y) { picked = QPoint(x, y); });
        MapWindow* map = f.form->GraphicalMap();
        QVERIFY(map != nullptr && map->isVisible() && map->Picking());
        QTest::mouseClick(map->Canvas(), Qt::LeftButton, {}, map->Canvas()->CentreOf(12, 8));
        QCOMPARE(picked, QPoint(12, 8));
    }

    // Every province field pair of the command dialogs has its button.
    void dialogPickButtonsFillTheirFields() {
        MainFixture f;
        f.StartWith(Example("turn12.txt"));
        const struct {
            CommandDialog dialog;
            const char* button;
            const char* editX;
            const char* editY;
        } rows[] = {
            {CommandDialog::Movement, "ButtonPickOnMap", "EditX", "EditY"},
            {CommandDialog::ProvinceGroups, "ButtonPickOnMap3", "EditX3", "EditY3"},
            {CommandDialog::NameProvince, "ButtonPickOnMap", "EditX", "EditY"},
            {CommandDialog::Province, "ButtonPickOnMap", "EditX", "EditY"},
        };
        int x = 2;
        for (const auto& row : rows) {
            orv::gui::CommandDialogBase* dialog = f.form->CommandDialog(row.dialog);
            auto* button = dialog->findChild<QToolButton*>(QString::fromLatin1(row.button));
            QVERIFY2(button != nullptr, row.button);
            QCOMPARE(button->text(), QStringLiteral("Pick on map"));
            button->click();
            MapWindow* map = f.form->GraphicalMap();
            QVERIFY(map->Picking());
            QCOMPARE(map->parentWidget(), static_cast<QWidget*>(dialog));
            QTest::mouseClick(map->Canvas(), Qt::LeftButton, {}, map->Canvas()->CentreOf(x, 3));
            QCOMPARE(dialog->findChild<QLineEdit*>(QString::fromLatin1(row.editX))->text(),
                     QString::number(x));
            QCOMPARE(dialog->findChild<QLineEdit*>(QString::fromLatin1(row.editY))->text(),
                     QStringLiteral("3"));
            ++x;
        }
        // The map belongs to the main window again when opened from the menu.
        f.form->menuItemShowGraphicalMap->trigger();
        QCOMPARE(f.form->GraphicalMap()->parentWidget(), static_cast<QWidget*>(f.form.get()));
    }

    // From the open dialog's button to its fields: the map shows the pick mode, one click
    // fills X and Y and ends it; Escape ends it without filling.
    void pickOnMapFillsTheOpenDialog() {
        MainFixture f;
        f.StartWith(Example("turn12.txt"));
        InMovementDialog(f, CommandKind::MoveThroughLand, [&f](MovementDialog* dialog) {
            auto* button = dialog->findChild<QToolButton*>(QStringLiteral("ButtonPickOnMap"));
            button->click();
            MapWindow* map = f.form->GraphicalMap();
            QVERIFY(map->isVisible() && map->Picking());
            QCOMPARE(map->Canvas()->cursor().shape(), Qt::CrossCursor);
            QCOMPARE(map->StatusLabel()->text(),
                     QStringLiteral("Click a province for the dialog; Escape cancels."));
            QTest::mouseClick(map->Canvas(), Qt::LeftButton, {}, map->Canvas()->CentreOf(5, 6));
            QCOMPARE(dialog->EditX->text() + dialog->EditY->text(), QStringLiteral("56"));
            QVERIFY(!map->Picking());
            QVERIFY(map->StatusLabel()->text().startsWith(QStringLiteral("Order being written")));

            button->click();
            QTest::keyClick(map, Qt::Key_Escape);
            QVERIFY(!map->Picking());
            QTest::mouseClick(map->Canvas(), Qt::LeftButton, {}, map->Canvas()->CentreOf(7, 7));
            QCOMPARE(dialog->EditX->text() + dialog->EditY->text(), QStringLiteral("56"));
        });
        QVERIFY(!f.form->GraphicalMap()->Picking());
    }

    // The path of the order being typed, walked as the check walks it, until the dialog closes.
    void theMapPreviewsTheOrderBeingWritten() {
        MainFixture f;
        MapWindow* map = OpenMap(f);
        using Points = std::vector<orv::check::MapPoint>;
        Points shown;
        QString status;
        InMovementDialog(f, CommandKind::MoveThroughLand, [&](MovementDialog* dialog) {
            QTest::keyClicks(dialog->EditX, QStringLiteral("2"));
            QTest::keyClicks(dialog->EditY, QStringLiteral("4"));
            QTest::keyClicks(dialog->EditDirection, QStringLiteral("E E"));
            const auto& preview = map->Canvas()->Drawing().preview;
            shown = preview.empty() ? Points{} : preview[0].points;
            status = map->StatusLabel()->text();
        });
        QCOMPARE(shown, (Points{{2, 4}, {3, 4}, {4, 4}}));
        QVERIFY2(status.startsWith(QStringLiteral("Order being written: ")), qPrintable(status));
        QVERIFY(map->Canvas()->Drawing().preview.empty());
        QVERIFY(map->StatusLabel()->isHidden());
        QCOMPARE(map->Canvas()->Drawing().arrows.size(), std::size_t{1});
    }

    // Selections made by the program, not by a click in the list, reach the map too.
    void theMapFollowsEverySelection() {
        MainFixture f;
        MapWindow* map = OpenMap(f);
        f.form->SelectLine(2);
        QCOMPARE(map->Canvas()->SelectedLine(), std::optional<std::size_t>(2));
        f.form->ButtonMinusClick();
        QCOMPARE(map->Canvas()->SelectedLine(), std::optional<std::size_t>(1));
        InMovementDialog(f, CommandKind::RaidProvince, [](MovementDialog* dialog) {
            dialog->EditX->setText(QStringLiteral("10"));
            dialog->EditY->setText(QStringLiteral("4"));
            dialog->ComboBoxType1->setCurrentIndex(0);
            dialog->EditDirection->setText(QStringLiteral("E"));
            dialog->ButtonOK->click();
        });
        QCOMPARE(map->Canvas()->SelectedLine(), std::optional<std::size_t>(2));
        const auto& arrows = map->Canvas()->Drawing().arrows;
        QVERIFY(std::any_of(arrows.begin(), arrows.end(), [](const orv::mapview::Arrow& a) {
            return a.line == 2 && a.kind == orv::check::MoveKind::RaidMove;
        }));
    }

    // Open at the close, open again at the next start with its size; closed, it stays closed.
    void theMapComesBackAtTheNextStart() {
        QTemporaryDir config;
        {
            MainFixture f({}, config.path());
            OpenMap(f)->resize(640, 480);
            f.form->close();
        }
        MainFixture again({}, config.path());
        MapWindow* map = again.form->GraphicalMap();
        QVERIFY(map != nullptr && map->isVisible());
        QCOMPARE(map->size(), QSize(640, 480));
        map->close();
        again.form->close();
        MainFixture third({}, config.path());
        QVERIFY(third.form->GraphicalMap() == nullptr);
    }

    void keysZoomAndFit() {
        MainFixture f;
        MapWindow* map = OpenMap(f);
        const int start = map->Canvas()->Geometry().tile;
        QTest::keyClick(map, Qt::Key_Plus);
        QVERIFY(map->Canvas()->Geometry().tile > start);
        QTest::keyClick(map, Qt::Key_Minus);
        QTest::keyClick(map, Qt::Key_Minus);
        QVERIFY(map->Canvas()->Geometry().tile < start);
        map->resize(600, 500);
        QTest::keyClick(map, Qt::Key_0);
        QVERIFY(map->Canvas()->width() <= 600);
        QVERIFY(map->Canvas()->height() <= 500);
    }
};

} // namespace

std::vector<std::unique_ptr<QObject>> MapWindowTests() {
    std::vector<std::unique_ptr<QObject>> tests;
    tests.push_back(std::make_unique<MapWindowTest>());
    return tests;
}

#include "map_window_test.moc"

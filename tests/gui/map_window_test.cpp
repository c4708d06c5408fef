// The graphical map window: opened from the Report menu, painting the report and the move,
// following the move and its selected line, and picking provinces.

#include "fixture.h"
#include "gui/command_dialog.h"
#include "gui/map_window.h"
#include "gui_tests.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

using orv::gui::MapCanvas;
using orv::gui::MapWindow;
using orv::gui::testing::Example;
using orv::gui::testing::MainFixture;
using orv::move::CommandDialog;

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

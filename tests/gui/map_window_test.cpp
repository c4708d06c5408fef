// The graphical map window: opened from the Report menu, following the move and its
// selected line, zoomed and scrolled under its rulers, picking provinces for the command
// dialogs, previewing the order being written, and coming back at the next start.

#include "fixture.h"
#include "gui/map_export.h"
#include "gui/map_window.h"
#include "gui/movement_dialog.h"

#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

using namespace orv::gui::testing;

namespace {

// Started on the example report as the Vikings with a land movement (line 1) and a
// placement, the map opened from the menu unless it is to be opened otherwise.
struct MapFixture : MainFixture {
    MapWindow* map = nullptr;
    explicit MapFixture(const QString& configFolder = {}, bool open = true)
        : MainFixture({}, configFolder) {
        StartAsVikings();
        form->Document()->SetForm(move::DisplayForm::Raw);
        SetMove({"LAND 3 4 FO 2 E", "PLA 3 3 FO", "END"});
        if (open) {
            form->menuItemShowGraphicalMap->trigger();
        }
        map = form->GraphicalMap();
    }
    void Click(int x, int y) const {
        QTest::mouseClick(map->Canvas(), Qt::LeftButton, {}, map->Canvas()->CentreOf(x, y));
    }
    // Opens a command dialog for a new order of the kind and acts in it.
    void InDialog(move::CommandKind kind, std::function<void(CommandDialogBase*)> act) {
        MainFixture::InDialog(std::move(act));
        form->CommandDialog(move::InfoOf(kind).dialog)
            ->ShowCommand(move::DisplayForm::Raw, kind, {});
    }
};

class MapWindowTest : public QObject {
    Q_OBJECT
  private slots:
    // The map follows the move as it is edited, and every selection, whether made by a
    // click, a button, the program or a new order; the selected line's findings show
    // below the map.
    void followsTheMoveAndItsSelection() {
        MapFixture f;
        QVERIFY(f.map->isVisible());
        QCOMPARE(f.map->Canvas()->Drawing().arrows.size(), std::size_t{1});
        QCOMPARE(f.map->Canvas()->Drawing().marks.size(), std::size_t{1});
        f.form->SelectLine(2);
        QCOMPARE(f.map->Canvas()->SelectedLine(), std::optional<std::size_t>(2));
        f.form->ButtonMinusClick();
        QCOMPARE(f.map->Canvas()->SelectedLine(), std::optional<std::size_t>(1));
        f.InDialog(move::CommandKind::RaidProvince, [](CommandDialogBase* dialog) {
            Fill(dialog, "EditX=3 EditY=3 ComboBoxType1=All EditDirection=E");
            dialog->ButtonOK->click();
        });
        QCOMPARE(f.map->Canvas()->SelectedLine(), std::optional<std::size_t>(2));
        const auto& arrows = f.map->Canvas()->Drawing().arrows;
        QVERIFY(std::any_of(arrows.begin(), arrows.end(), [](const mapview::Arrow& a) {
            return a.line == 2 && a.kind == check::MoveKind::RaidMove;
        }));

        f.SetMove({"LAND 3 4 FO 2 E", "LAND 11 4 FO 1 E", "SEA 2 4 SH 1 W W", "END"});
        QCOMPARE(f.map->Canvas()->Drawing().arrows.size(), std::size_t{3});
        f.form->SelectLine(1);
        QVERIFY(f.map->MessagesLabel()->isHidden());
        f.form->ListBoxMove->setCurrentRow(3);
        QCOMPARE(f.map->MessagesLabel()->text(), u"Ship moves beyond map boundaries!"_s);
        QVERIFY(!f.map->MessagesLabel()->isHidden());
        QVERIFY(!f.map->Canvas()->grab().isNull());
    }

    // The whole map printed on one page and written as SVG or PNG, with the move's paths;
    // Escape closes the map.
    void printedAndExportedWhole() {
        MapFixture f;
        QTemporaryDir out;
        const mapview::Drawing& drawing = f.map->Canvas()->Drawing();
        QVERIFY(ExportMap(drawing, 1, out.filePath(u"map.png"_s)));
        const QImage png(out.filePath(u"map.png"_s));
        QCOMPARE(png.width(),
                 2 * mapview::DefaultMargin + mapview::DefaultTileSize * drawing.width);
        QVERIFY(ExportMap(drawing, 1, out.filePath(u"map.SVG"_s)));
        QVERIFY(f.ReadFile(out.filePath(u"map.SVG"_s)).contains("<svg"));
        QVERIFY(!ExportMap(drawing, 1, out.filePath(u"no/such/folder/map.png"_s)));
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(out.filePath(u"map.pdf"_s));
        QVERIFY(PrintMap(drawing, std::nullopt, printer));
        QVERIFY(f.ReadFile(out.filePath(u"map.pdf"_s)).startsWith("%PDF"));
        QApplication::setActiveWindow(f.map);
        QTest::keyClick(f.map, Qt::Key_Escape);
        QVERIFY(!f.map->isVisible());
    }

    // Zoomed in and scrolled to the far corner, the rulers stay where they were and number
    // the last column and row; "0" fits the map to the window.
    void zoomScrollAndFitUnderTheRulers() {
        MapFixture f;
        const int start = f.map->Canvas()->Geometry().tile;
        const QPoint columns = f.map->ColumnRuler()->geometry().topLeft();
        const QPoint rows = f.map->RowRuler()->geometry().topLeft();
        QTest::keyClicks(f.map, u"++"_s);
        QVERIFY(f.map->Canvas()->Geometry().tile > start);
        for (QScrollBar* bar : {f.map->ScrollArea()->horizontalScrollBar(),
                                f.map->ScrollArea()->verticalScrollBar()}) {
            bar->setValue(bar->maximum());
        }
        QCOMPARE(f.map->ColumnRuler()->geometry().topLeft(), columns);
        QCOMPARE(f.map->RowRuler()->geometry().topLeft(), rows);
        const int edge = f.map->Canvas()->Geometry().margin + 6;
        QCOMPARE(f.map->ColumnRuler()->NumberAt(f.map->ColumnRuler()->width() - edge), u"12"_s);
        QCOMPARE(f.map->RowRuler()->NumberAt(f.map->RowRuler()->height() - edge), u"8"_s);
        f.map->resize(600, 500);
        QTest::keyClick(f.map, Qt::Key_0);
        QVERIFY(f.map->Canvas()->width() <= 600 && f.map->Canvas()->height() <= 500);
    }

    // A dialog's "Pick on map" opens the map over it in pick mode: one click fills the X
    // and Y beside the button and ends it, Escape ends it without filling, and closing the
    // dialog ends it too. From the menu the map belongs to the main window again.
    void pickOnMapFillsTheOpenDialog() {
        MapFixture f({}, false);
        f.InDialog(move::CommandKind::MoveThroughLand, [&f](CommandDialogBase* dialog) {
            auto* button = dialog->findChild<QToolButton*>(u"ButtonPickOnMap"_s);
            button->click();
            f.map = f.form->GraphicalMap();
            QVERIFY(f.map->Picking());
            QCOMPARE(f.map->parentWidget(), dialog);
            QCOMPARE(f.map->Canvas()->cursor().shape(), Qt::CrossCursor);
            QCOMPARE(f.map->StatusLabel()->text(),
                     u"Click a province for the dialog; Escape cancels."_s);
            f.Click(5, 6);
            f.Click(7, 7);
            auto* c1 = static_cast<MovementDialog*>(dialog);
            QCOMPARE(c1->EditX->text() + c1->EditY->text(), u"56"_s);
            QVERIFY(!f.map->Picking());
            button->click();
            QTest::keyClick(f.map, Qt::Key_Escape);
            f.Click(7, 7);
            QCOMPARE(c1->EditX->text() + c1->EditY->text(), u"56"_s);
            button->click();
        });
        QVERIFY(!f.map->Picking());
        f.InDialog(move::CommandKind::PlaceUnits, [&f](CommandDialogBase* dialog) {
            dialog->findChild<QToolButton*>(u"ButtonPickOnMap3"_s)->click();
            f.Click(4, 3);
            QCOMPARE(dialog->findChild<QLineEdit*>(u"EditX3"_s)->text() +
                         dialog->findChild<QLineEdit*>(u"EditY3"_s)->text(),
                     u"43"_s);
        });
        f.form->menuItemShowGraphicalMap->trigger();
        QCOMPARE(f.map->parentWidget(), f.form.get());
    }

    // The path of the order being typed, walked as the check walks it, until the dialog
    // closes.
    void previewsTheOrderBeingWritten() {
        MapFixture f;
        using Points = std::vector<check::MapPoint>;
        Points shown;
        QString status;
        f.InDialog(move::CommandKind::MoveThroughLand, [&](CommandDialogBase* dialog) {
            Fill(dialog, "EditX=2 EditY=4 EditDirection=E_E");
            const auto& preview = f.map->Canvas()->Drawing().preview;
            shown = preview.empty() ? Points{} : preview[0].points;
            status = f.map->StatusLabel()->text();
            QVERIFY(!f.map->Canvas()->grab().isNull());
        });
        QCOMPARE(shown, (Points{{2, 4}, {3, 4}, {4, 4}}));
        QVERIFY2(status.startsWith(u"Order being written: "_s), qPrintable(status));
        QVERIFY(f.map->Canvas()->Drawing().preview.empty());
        QVERIFY(f.map->StatusLabel()->isHidden());
    }
};

} // namespace

ORV_GUI_TEST_CLASS(MapWindowTest);

#include "map_window_test.moc"

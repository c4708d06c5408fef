// The graphical map window: opened from the Report menu, following the move and its
// selected line, zoomed and scrolled under its rulers, picking provinces for the command
// dialogs, previewing the order being written, and coming back at the next start.

#include "fixture.h"
#include "gui/map_export.h"
#include "gui/map_window.h"
#include "gui/movement_dialog.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
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
    // Presses the left button on one province, moves to the other with it held and lets go.
    void Drag(int x1, int y1, int x2, int y2) const {
        MapCanvas* canvas = map->Canvas();
        const auto send = [canvas](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
            QMouseEvent event(type, at, canvas->mapToGlobal(at),
                              type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                              Qt::NoModifier);
            QApplication::sendEvent(canvas, &event);
        };
        const QPoint to = canvas->CentreOf(x2, y2);
        send(QEvent::MouseButtonPress, canvas->CentreOf(x1, y1), Qt::LeftButton);
        send(QEvent::MouseMove, to, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, to, Qt::NoButton);
    }
    QString Line(int i) const { return MoveLines().value(i); }
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

    // A map open at the end comes back open at the next start, where it was and as large.
    void comesBackAtTheNextStart() {
        QTemporaryDir config;
        const QRect place(40, 30, 640, 430);
        {
            MapFixture f(config.path());
            f.map->setGeometry(place);
            f.form->close();
        }
        MapFixture next(config.path(), false);
        QVERIFY(next.map != nullptr && next.map->isVisible());
        QCOMPARE(next.map->geometry(), place);
    }

    // A click on an own province plans its troops: the provinces they reach are shaded,
    // the troops chosen beside the map change the reach, the path under the pointer is
    // drawn with its cost, and a click on a reached province opens the movement dialog
    // with start, troops and path filled; OK puts the order in, undo takes it out.
    void plansAMovementByClicks() {
        MapFixture f;
        f.form->SelectLine(2);
        QVERIFY(!f.map->Planning());
        f.Click(3, 4);
        QVERIFY(f.map->Planning());
        const auto& plan = f.map->Canvas()->Plan();
        QVERIFY(plan.reach && plan.reach->walks && plan.reach->Reachable(4, 4));
        QCOMPARE(plan.reach->start, (check::MapPoint{3, 4}));
        f.map->PlanAllTroops()->setChecked(false);
        f.map->PlanTroops(0)->setValue(1); // one foot soldier
        QCOMPARE(f.map->Choice().fields.troops[0], (edit::Troop{"1", "Foot soldier"}));
        QTest::mouseMove(f.map->Canvas(), f.map->Canvas()->CentreOf(4, 4));
        QVERIFY(plan.path && plan.path->points.back() == (check::MapPoint{4, 4}));
        QVERIFY2(f.map->StatusLabel()->text().startsWith(u"Path to 4/4: E ("_s),
                 qPrintable(f.map->StatusLabel()->text()));
        edit::OrderFields filled;
        f.MainFixture::InDialog([&filled](CommandDialogBase* dialog) {
            filled = dialog->Fields();
            dialog->ButtonOK->click();
        });
        f.Click(4, 4);
        QCOMPARE(std::get<edit::MovementFields>(filled),
                 (edit::MovementFields{"3", "4", "", {{{"1", "Foot soldier"}, {}, {}}}, "E"}));
        QCOMPARE(f.Line(3), u"LAND 3 4 FO 1 E"_s);
        // The new order is selected: the map plans it with its own troops.
        QCOMPARE(f.map->Choice().fields.troops[0].number, "1");
        f.form->menuItemUndo->trigger();
        QCOMPARE(f.Line(3), u"END"_s);
        QTest::keyClick(f.map, Qt::Key_Escape);
        QVERIFY(!f.map->Planning() && !plan.reach);
    }

    // Dragging the end of an order's path to another province gives the order the cheapest
    // path there, as one step undo takes back; a province out of reach leaves it alone.
    void dragsThePathsEndToRewriteTheOrder() {
        MapFixture f;
        f.Drag(4, 4, 4, 5);
        QCOMPARE(f.Line(1), u"LAND 3 4 FO 2 S E"_s);
        f.Drag(4, 5, 12, 8);
        QCOMPARE(f.Line(1), u"LAND 3 4 FO 2 S E"_s);
        QCOMPARE(f.map->StatusLabel()->text(), u"12/8 is out of reach of this order."_s);
        f.form->menuItemUndo->trigger();
        QCOMPARE(f.Line(1), u"LAND 3 4 FO 2 E"_s);
        // Dragging elsewhere moves the map, and changes no order.
        f.Drag(8, 8, 7, 7);
        QCOMPARE(f.Line(1), u"LAND 3 4 FO 2 E"_s);
    }

    // A right click offers the province's own commands, each opening its dialog with the
    // province filled; the check's findings are marked on their provinces, a click on the
    // mark selects the order; the threats of foreign troops are shown when asked for.
    void aProvinceOffersItsCommandsAndFindings() {
        MapFixture f;
        QStringList offered;
        edit::OrderFields filled;
        QTimer::singleShot(0, f.map, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            for (QAction* action : menu->actions()) {
                offered.append(action->text());
            }
            f.MainFixture::InDialog(
                [&filled](CommandDialogBase* dialog) { filled = dialog->Fields(); });
            menu->actions().at(4)->trigger();
            menu->close();
        });
        MapCanvas* canvas = f.map->Canvas();
        QContextMenuEvent event(QContextMenuEvent::Mouse, canvas->CentreOf(3, 4),
                                canvas->mapToGlobal(canvas->CentreOf(3, 4)));
        QApplication::sendEvent(canvas, &event);
        QCOMPARE(offered, (QStringList{u"Province 3/4"_s, u"Move Through Land..."_s,
                                       u"Raid Province..."_s, u"Place Units..."_s,
                                       u"Give Defensive Orders..."_s, u"Name Province..."_s,
                                       u"Change Terrain Type..."_s, u"Cede Province..."_s}));
        QCOMPARE(std::get<edit::ProvinceGroups>(filled).groups[0],
                 (edit::ProvinceGroup{"3", "4", ""}));

        f.SetMove({"LAND 3 4 FO 2 E", "PLA 3 3 FO", "RAID 3 4 HO 5 N", "END"});
        f.form->SelectLine(1);
        const auto& findings = canvas->Plan().findings;
        QVERIFY(!findings.empty() && findings[0].at == (check::MapPoint{3, 4}));
        QTest::mouseClick(
            canvas, Qt::LeftButton, {},
            FindingMarkRect(canvas->Geometry(), canvas->Drawing(), findings[0].at).center());
        QCOMPARE(f.form->SelectedLine(), std::optional<std::size_t>(3));
        f.map->ThreatsButton()->click();
        QVERIFY(canvas->Plan().threats && !canvas->Plan().threats->Armies().empty());
        f.map->ThreatsButton()->click();
        QVERIFY(!canvas->Plan().threats);
    }
};

} // namespace

ORV_GUI_TEST_CLASS(MapWindowTest);

#include "map_window_test.moc"

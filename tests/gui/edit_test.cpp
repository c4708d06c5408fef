// Editing a move in the main window: the controls that open the command dialogs, the
// composed line in the move, editing it again, moving and deleting orders, the goods after
// the selected line, undo and redo, the unsaved mark, the save question, the draft after a
// crash, and the problem list of the live check.

#include "fixture.h"
#include "gui/draft.h"
#include "gui/help.h"
#include "gui/order_text_dialog.h"

using namespace orv::gui::testing;

namespace {

// Three orders, the second wrong, and a message.
const QByteArray Orders = "BEGIN\r\nALL 2 1\r\nPLA 99 99 FO\r\nNAME Harald\r\nEND\r\nhi\r\n";

// Started on the example report as the Vikings, with a move loaded from move.cmd in the
// work folder.
struct EditFixture : MainFixture {
    QString moveFile;

    explicit EditFixture(const QByteArray& rawLines = Orders, const QString& dataFolder = {})
        : MainFixture(dataFolder) {
        StartAsVikings();
        moveFile = LoadMove("move.cmd", rawLines);
    }
    int Selected() const { return form->ListBoxMove->currentRow(); }
    void Delete(int row) const {
        form->ListBoxMove->setCurrentRow(row);
        form->ButtonDeleteClick();
    }
};

class EditTest : public QObject {
    Q_OBJECT
  private slots:
    void anOrderGoesInAndOpensAgainPrefilled() {
        EditFixture f("BEGIN\r\nEND\r\n");
        f.ChooseCommand("Move Through Land");
        f.InDialog([&f](CommandDialogBase* dialog) {
            QApplication::setActiveWindow(dialog);
            QTest::keyClick(dialog, Qt::Key_F1);
            // Help belongs to the modal dialog, so it opens above it and can be used.
            QCOMPARE(f.form->Help()->parentWidget(), dialog);
            QVERIFY(f.form->Help()->isVisible());
            Fill(dialog, "EditX=3 EditY=4 EditNumber1=5 ComboBoxType1=Foot_soldier EditNumber2=3 "
                         "ComboBoxType2=Bowman ComboBoxTactic=Outflank EditDirection=N_E");
            QTest::mouseClick(dialog->ButtonOK, Qt::LeftButton);
        });
        QTest::mouseClick(f.form->ButtonBelow, Qt::LeftButton);
        QCOMPARE(f.opened, QStringList{u"FormMoveC1"_s});
        QCOMPARE(f.form->Help()->Browser()->source().toString(), u"qrc:/help/commands.html#c150"_s);
        f.ShowRaw(true);
        QCOMPARE(f.MoveLines(), Split("BEGIN|LAND 3 4 U FO 5 BO 3 N E|END"));
        QCOMPARE(f.Selected(), 1);

        // Edited again: the dialog shows the order's fields, and a changed number replaces
        // the line in place.
        f.InDialog([](CommandDialogBase* dialog) {
            QCOMPARE(
                dialog->Fields(),
                edit::OrderFields(edit::MovementFields{
                    "3", "4", "Outflank", {{{"5", "Foot soldier"}, {"3", "Bowman"}, {}}}, "N E"}));
            Fill(dialog, "EditNumber2=4");
            dialog->ButtonOK->click();
        });
        QTest::mouseClick(f.form->ButtonEdit, Qt::LeftButton);
        QCOMPARE(f.MoveLines(), Split("BEGIN|LAND 3 4 U FO 5 BO 4 N E|END"));
        // The edit and the new order are one step each.
        QCOMPARE(f.form->menuItemUndo->text(), u"&Undo Edit Command"_s);
        f.form->menuItemUndo->trigger();
        f.form->menuItemUndo->trigger();
        QCOMPARE(f.MoveLines(), Split("BEGIN|END"));
        f.form->menuItemRedo->trigger();
        QCOMPARE(f.MoveLines(), Split("BEGIN|LAND 3 4 U FO 5 BO 3 N E|END"));
        QCOMPARE(f.Selected(), 1);
    }

    // The core's refusals show as its messages, and no dialog opens; a refused edit of an
    // order warns and opens all the same. The commands are listed in the form chosen.
    void refusalsShowTheCoresMessage() {
        EditFixture f("BEGIN\r\nBUILD 2 3\r\nEND\r\n");
        f.form->State().game.options.buildOrderActive = false;
        QTest::mouseClick(f.form->ButtonAbove, Qt::LeftButton);
        f.ShowRaw(true, "Commands");
        f.ChooseCommand("BUILD (Change Terrain Type)");
        QTest::mouseClick(f.form->ButtonAbove, Qt::LeftButton);
        QCOMPARE(f.notifier.errors.size(), 2);
        QVERIFY(f.opened.isEmpty());
        f.form->ListBoxMove->setCurrentRow(1);
        f.InDialog([](CommandDialogBase*) {});
        QTest::mouseClick(f.form->ButtonEdit, Qt::LeftButton);
        QCOMPARE(f.notifier.warnings, QStringList{f.notifier.errors.last()});
        QCOMPARE(f.opened, QStringList{u"FormMoveC5"_s});
    }

    // The buttons under the move: the lines after, the line selected, the gold after it,
    // or the core's message. Where lines go is the core's. (A placement is shown as the
    // editor writes it, with a blank at its end.)
    void listButtons() {
        const struct {
            int click;
            QPushButton* MainWindow::*button;
            const char* lines;
            int selected;
            const char* gold;
            int errors;
        } rows[] = {
            {2, &MainWindow::ButtonMinus, "BEGIN|PLA 3 3 CA |NAME Eric|END|Hi", 1, "2388", 0},
            {2, &MainWindow::ButtonDelete, "BEGIN|NAME Eric|END|Hi", 1, "2400", 0},
            {-1, &MainWindow::ButtonDelete, "BEGIN|NAME Eric|PLA 3 3 CA |END|Hi", -1, "-", 1},
        };
        for (const auto& row : rows) {
            EditFixture f("BEGIN\r\nNAME Eric\r\nPLA 3 3 CA\r\nEND\r\nHi\r\n");
            f.ShowRaw(true);
            f.form->ListBoxMove->setCurrentRow(row.click);
            QTest::mouseClick(f.form.get()->*row.button, Qt::LeftButton);
            QCOMPARE(f.MoveLines(), Split(row.lines));
            QCOMPARE(f.Selected(), row.selected);
            QCOMPARE(f.form->LabelCGoldVal->text(), QString::fromLatin1(row.gold));
            QCOMPARE(f.notifier.errors.size(), row.errors);
        }
    }

    // The unsaved mark follows the edits, undo back to the loaded move and a save; the
    // undo history holds orders, not their display: undone after a switch, the orders
    // show in the form chosen. An edit and a whole move put in place are one step each.
    void unsavedMarkFollowsEditsSaveAndUndo() {
        EditFixture f;
        QVERIFY(!f.form->isWindowModified());
        f.Delete(1);
        QVERIFY(f.form->isWindowModified());
        QCOMPARE(f.form->menuItemUndo->text(), u"&Undo Delete Command"_s);
        f.ShowRaw(true); // no edit
        f.form->menuItemUndo->trigger();
        QCOMPARE(f.MoveLines(), Split("BEGIN|ALL 2 1|PLA 99 99 FO |NAME Harald|END|hi"));
        QVERIFY(!f.form->isWindowModified());
        f.form->menuItemRedo->trigger();
        f.form->menuItemSaveClick();
        QVERIFY(!f.form->isWindowModified());
        QCOMPARE(f.ReadFile(f.moveFile),
                 QByteArray("BEGIN\r\nPLA 99 99 FO \r\nNAME Harald\r\nEND\r\nhi\r\n"));
        f.LoadMove("other.cmd", "BEGIN\r\nEND\r\n"); // a whole move in place is one step too
        QCOMPARE(f.form->menuItemUndo->text(), u"&Undo Load"_s);
        f.form->menuItemUndo->trigger();
        QCOMPARE(f.MoveLines(), Split("BEGIN|PLA 99 99 FO |NAME Harald|END|hi"));
    }

    // Every way of leaving the move asks while edits are unsaved: Cancel stays, Discard goes
    // on, Save writes the file first. With nothing unsaved nothing is asked.
    void saveQuestionForEachTrigger() {
        QApplication::clipboard()->setText(u"BEGIN\r\nEND\r\n"_s);
        const std::pair<const char*, std::function<void(EditFixture&)>> triggers[] = {
            {"New", [](EditFixture& f) { f.form->menuItemNewClick(); }},
            {"Load", [](EditFixture& f) { f.LoadMove("b.cmd", "BEGIN\r\nEND\r\n"); }},
            {"Get from Clipboard", [](EditFixture& f) { f.form->menuItemGetfromClipboardClick(); }},
            {"Quit", [](EditFixture& f) { f.form->menuItemQuitClick(); }},
            {"tribe dialog's Cancel",
             [](EditFixture& f) {
                 f.picker.nextFile = Example("turn12.txt");
                 f.AnswerTribeDialog(false);
                 f.form->menuItemLoadReportClick();
             }},
        };
        for (const auto& [name, leave] : triggers) {
            for (const SaveChoice choice :
                 {SaveChoice::Cancel, SaveChoice::Discard, SaveChoice::Save}) {
                EditFixture f;
                f.form->show();
                f.Delete(1);
                f.notifier.saveAnswer = choice;
                const int tribeAnswers = f.tribeAnswers;
                leave(f);
                QVERIFY2(f.notifier.questions == QStringList{u"Save changes to the move?"_s}, name);
                // Left: the move cleared, the window closed or the program ended.
                const bool left = f.MoveLines().size() == 2 || !f.form->isVisible() || f.quits == 1;
                QVERIFY2(left == (choice != SaveChoice::Cancel), name);
                if (name[0] == 't') { // kept open, the window asks for the tribe again
                    QCOMPARE(f.tribeAnswers - tribeAnswers, choice == SaveChoice::Cancel ? 2 : 1);
                }
                const bool saved = f.ReadFile(f.moveFile).startsWith("BEGIN\r\nPLA");
                QVERIFY2(saved == (choice == SaveChoice::Save), name);
            }
            EditFixture unchanged;
            unchanged.form->show();
            leave(unchanged);
            QVERIFY(!unchanged.notifier.questions.contains(u"Save changes to the move?"_s));
        }
    }

    void draftComesBackAfterACrash() {
        QTemporaryDir data;
        QStringList edited;
        {
            EditFixture before(Orders, data.path());
            before.Delete(1);
            edited = before.MoveLines();
            before.form->Drafts()->WriteNow();
        } // gone without a save or a question, as in a crash
        MainFixture after(data.path());
        after.StartAsVikings();
        after.form->OfferDraft();
        QVERIFY(after.notifier.questions.last().contains(u"move.cmd"_s));
        QCOMPARE(after.MoveLines(), edited);
        QVERIFY(after.form->Document()->IsModified());
        QCOMPARE(after.form->LabelMove->text(), u"Your Move (move.cmd):"_s);
        // Saved meanwhile, the draft is older than the move file and goes unasked.
        after.form->Drafts()->WriteNow();
        after.picker.nextFile = after.work.filePath(u"saved.cmd"_s);
        after.form->menuItemSaveAsClick();
        QVERIFY(!QFile::exists(after.form->Drafts()->Path()));
        // A second copy running at the same time keeps its draft apart.
        const MainFixture second(data.path());
        QVERIFY(second.form->Drafts()->Path() != after.form->Drafts()->Path());
    }

    // The problem list follows every change of the move, the report and the tribe; the
    // lines found wrong are marked; a row selects its line, F8 steps through the rows.
    void problemListFollowsTheCheck() {
        EditFixture f;
        QCOMPARE(Lines(f.form->ListBoxProblems),
                 QStringList{u"Line 2: Illegal province coordinates!"_s});
        QCOMPARE(f.form->ListBoxMove->RowToolTip(2), u"Illegal province coordinates!"_s);
        QVERIFY(f.form->ListBoxMove->RowToolTip(1).isEmpty());

        f.SetMove({"PLA 99 99 FO", "PLA 98 98 FO", "END"});
        f.form->ListBoxProblems->setCurrentRow(1);
        QCOMPARE(f.form->ListBoxMove->currentRow(), 2);
        f.form->show();
        QApplication::setActiveWindow(f.form.get());
        QTest::keyClick(f.form.get(), Qt::Key_F8);
        QCOMPARE(f.form->ListBoxMove->currentRow(), 1);
        QTest::keyClick(f.form.get(), Qt::Key_F8, Qt::ShiftModifier);
        QCOMPARE(f.form->ListBoxMove->currentRow(), 2);

        // 3/3 is the Vikings' province, not the Picts'.
        f.SetMove({"DEF 3 3 F", "END"});
        QCOMPARE(f.form->ListBoxProblems->count(), 0);
        f.AnswerTribeDialog(true, u"4. Picts"_s);
        f.picker.nextFile = f.CopyReport(u"turn13.txt"_s);
        f.form->menuItemLoadReportClick();
        QCOMPARE(Lines(f.form->ListBoxProblems),
                 QStringList{u"Line 1: You don't own province 3/3!"_s});

        f.form->menuItemShowProblems->trigger();
        QVERIFY(f.form->PanelProblems->isHidden());
        const MainFixture again({}, f.configDir.path());
        QVERIFY(!again.form->menuItemShowProblems->isChecked());
    }

    // An order its dialog cannot hold whole opens in the order text editor, which shows the
    // check's findings as the user types; OK replaces the line as one undoable step.
    void orderTextEditorKeepsEveryWord() {
        EditFixture f("BEGIN\r\nLAND 3 3 FO 1 BO 1 HO 1 GE 1 N\r\nEND\r\n");
        f.ShowRaw(true);
        f.form->ListBoxMove->setCurrentRow(1);
        QStringList findings;
        bool okWhileNoOrder = true;
        QTimer::singleShot(0, f.form.get(), [&] {
            auto* dialog = qobject_cast<OrderTextDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            QCOMPARE(dialog->EditOrder->text(), u"LAND 3 3 FO 1 BO 1 HO 1 GE 1 N"_s);
            dialog->EditOrder->setText(u"hello"_s);
            okWhileNoOrder = dialog->ButtonOK->isEnabled();
            dialog->EditOrder->setText(u"land 3 3 FO two NE"_s);
            findings = dialog->LabelFindings->text().split(u'\n');
            dialog->ButtonOK->click();
        });
        QTest::mouseClick(f.form->ButtonEdit, Qt::LeftButton);
        QVERIFY(!okWhileNoOrder);
        QCOMPARE(findings, QStringList({u"Troop count two is not a positive number!"_s,
                                        u"Unknown direction NE!"_s}));
        QCOMPARE(f.MoveLines(), Split("BEGIN|land 3 3 FO two NE|END"));
        QCOMPARE(Lines(f.form->ListBoxProblems).first(),
                 u"Line 1: Troop count two is not a positive number!"_s);
        QCOMPARE(f.form->menuItemUndo->text(), u"&Undo Edit Order Text"_s);
        f.form->menuItemUndo->trigger();
        QCOMPARE(f.MoveLines(), Split("BEGIN|LAND 3 3 FO 1 BO 1 HO 1 GE 1 N|END"));

        // Without an order selected the item says so.
        f.form->ListBoxMove->setCurrentRow(-1);
        f.form->menuItemEditOrderText->trigger();
        QCOMPARE(f.notifier.errors.last(),
                 u"Please select a command in the 'Your Move'-section first"_s);
    }
};

} // namespace

ORV_GUI_TEST_CLASS(EditTest);

#include "edit_test.moc"

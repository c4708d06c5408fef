// The editing loop of the main window: undo and redo of every change, the unsaved mark,
// the save question, the draft after a crash, and the problem list of the live check.

#include "fixture.h"
#include "gui/draft.h"
#include "gui/move_document.h"
#include "gui_tests.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <QUndoStack>
#include <functional>

using orv::gui::SaveChoice;
using orv::gui::testing::Example;
using orv::gui::testing::Lines;
using orv::gui::testing::MainFixture;
using orv::gui::testing::ShownTitle;

namespace {

// Started on the example report as the Vikings, with a move of three orders loaded from
// move.cmd in the work folder.
struct Editing : MainFixture {
    QString moveFile;

    explicit Editing(const QString& dataFolder = {}) : MainFixture(dataFolder) {
        AnswerTribeDialog(true, QStringLiteral("3. Vikings"));
        form->FormShow({Example("turn12.txt")});
        moveFile = work.filePath(QStringLiteral("move.cmd"));
        WriteFile(moveFile, "BEGIN\r\nALL 2 1\r\nPLA 99 99 FO\r\nNAME Harald\r\nEND\r\nhi\r\n");
        picker.nextFile = moveFile;
        form->menuItemLoadClick();
    }

    QStringList Shown() const { return Lines(form->ListBoxMove); }
    bool Modified() const { return form->Document()->IsModified(); }
    void ShowRaw(bool raw) const {
        QTest::mouseClick(form->RadioGroupDisplay->findChild<QRadioButton*>(
                              raw ? QStringLiteral("RadioGroupDisplayRaw")
                                  : QStringLiteral("RadioGroupDisplayNatural")),
                          Qt::LeftButton);
    }
};

class EditingLoopTest : public QObject {
    Q_OBJECT
  private slots:
    // Each kind of step is one step that undoes to the lines before it and redoes to the
    // lines after it, whatever the form the list is shown in meanwhile.
    void everyStepUndoesAndRedoes() {
        const struct {
            const char* caption;
            std::function<void(Editing&)> step;
        } steps[] = {
            {"Delete Command",
             [](Editing& f) {
                 f.form->ListBoxMove->setCurrentRow(2);
                 f.form->ButtonDeleteClick();
             }},
            {"Move Command Up",
             [](Editing& f) {
                 f.form->ListBoxMove->setCurrentRow(2);
                 f.form->ButtonMinusClick();
             }},
            {"Move Command Down",
             [](Editing& f) {
                 f.form->ListBoxMove->setCurrentRow(1);
                 f.form->ButtonPlusClick();
             }},
            {"New", [](Editing& f) { f.form->menuItemNewClick(); }},
            {"Get from Clipboard",
             [](Editing& f) {
                 QApplication::clipboard()->setText(QStringLiteral("ESP 5 5"));
                 f.form->menuItemGetfromClipboardClick();
             }},
            {"Load",
             [](Editing& f) {
                 f.picker.nextFile = f.work.filePath(QStringLiteral("other.cmd"));
                 f.WriteFile(f.picker.nextFile, "BEGIN\r\nBUILD 1 1\r\nEND\r\n");
                 f.form->menuItemLoadClick();
             }},
            {"Reload",
             [](Editing& f) {
                 f.form->ListBoxMove->setCurrentRow(2);
                 f.form->ButtonDeleteClick();
                 f.form->menuItemReloadClick();
             }},
        };
        for (const auto& s : steps) {
            for (const bool switchBetween : {false, true}) {
                Editing f;
                s.step(f);
                const QString caption = QString::fromLatin1(s.caption);
                QCOMPARE(f.form->menuItemUndo->text(), QStringLiteral("Undo ") + caption);
                f.ShowRaw(switchBetween);
                const QStringList after = f.Shown();
                f.form->menuItemUndo->trigger();
                const QStringList undone = f.Shown();
                f.form->menuItemRedo->trigger();
                QCOMPARE(f.Shown(), after);
                f.ShowRaw(false);
                f.form->menuItemUndo->trigger();
                if (caption == QStringLiteral("Reload")) {
                    f.form->menuItemUndo->trigger(); // the deletion before the reload
                }
                QCOMPARE(f.Shown().size(), 7); // the loaded move again
                QVERIFY2(undone != after, s.caption);
            }
        }
    }

    void unsavedMarkFollowsEditsSaveAndUndo() {
        Editing f;
        QVERIFY(!f.Modified());
        QVERIFY(!ShownTitle(f.form.get()).endsWith(QLatin1Char('*')));
        f.form->ListBoxMove->setCurrentRow(1);
        f.form->ButtonDeleteClick();
        QVERIFY(ShownTitle(f.form.get()).endsWith(QLatin1Char('*')));
        f.form->menuItemUndo->trigger();
        QVERIFY(!f.Modified());
        f.form->menuItemRedo->trigger();
        f.form->menuItemSaveClick();
        QVERIFY(!f.Modified());
        QCOMPARE(f.ReadFile(f.moveFile),
                 QByteArray("BEGIN\r\nPLA 99 99 FO \r\nNAME Harald\r\nEND\r\n"
                            "hi\r\n"));
        // A display switch is no edit.
        f.ShowRaw(true);
        QVERIFY(!f.Modified());
    }

    // Every way of leaving the move asks while edits are unsaved: Cancel stays, Discard goes
    // on, Save writes the file first. With nothing unsaved nothing is asked.
    void saveQuestionForEachTrigger() {
        const struct {
            const char* name;
            std::function<void(Editing&)> leave;
            std::function<bool(Editing&)> left; // whether the move was left
        } triggers[] = {
            {"New", [](Editing& f) { f.form->menuItemNewClick(); },
             [](Editing& f) { return f.Shown().size() == 2; }},
            {"Load",
             [](Editing& f) {
                 f.picker.nextFile = f.work.filePath(QStringLiteral("b.cmd"));
                 f.WriteFile(f.picker.nextFile, "BEGIN\r\nEND\r\n");
                 f.form->menuItemLoadClick();
             },
             [](Editing& f) { return f.Shown().size() == 2; }},
            {"Get from Clipboard",
             [](Editing& f) {
                 QApplication::clipboard()->setText(QStringLiteral("BEGIN\r\nEND\r\n"));
                 f.form->menuItemGetfromClipboardClick();
             },
             [](Editing& f) { return f.Shown().size() == 2; }},
            {"Quit", [](Editing& f) { f.form->menuItemQuitClick(); },
             [](Editing& f) { return !f.form->isVisible(); }},
            {"tribe dialog's Cancel",
             [](Editing& f) {
                 f.picker.nextFile = Example("turn12.txt");
                 f.AnswerTribeDialog(false);
                 f.form->menuItemLoadReportClick();
             },
             [](Editing& f) { return f.quits == 1; }},
        };
        for (const auto& t : triggers) {
            for (const SaveChoice choice :
                 {SaveChoice::Cancel, SaveChoice::Discard, SaveChoice::Save}) {
                Editing f;
                f.form->show();
                f.form->ListBoxMove->setCurrentRow(1);
                f.form->ButtonDeleteClick();
                f.notifier.saveAnswer = choice;
                t.leave(f);
                QVERIFY2(f.notifier.saveQuestions == 1, t.name);
                QCOMPARE(f.notifier.questions.last(), QStringLiteral("Save changes to the move?"));
                QVERIFY2(t.left(f) == (choice != SaveChoice::Cancel), t.name);
                const bool saved = f.ReadFile(f.moveFile).startsWith("BEGIN\r\nPLA");
                QVERIFY2(saved == (choice == SaveChoice::Save), t.name);
            }
            Editing unchanged;
            unchanged.form->show();
            t.leave(unchanged);
            QCOMPARE(unchanged.notifier.saveQuestions, 0);
        }
    }

    void draftComesBackAfterACrash() {
        QTemporaryDir data;
        QStringList edited;
        {
            Editing before(data.path());
            before.form->ListBoxMove->setCurrentRow(1);
            before.form->ButtonDeleteClick();
            edited = before.Shown();
            before.form->Drafts()->WriteNow();
        } // gone without a save or a question, as in a crash
        MainFixture after(data.path());
        after.StartWith(Example("turn12.txt"));
        after.form->OfferDraft();
        QVERIFY(after.notifier.questions.last().contains(QStringLiteral("move.cmd")));
        QCOMPARE(Lines(after.form->ListBoxMove), edited);
        QVERIFY(after.form->Document()->IsModified());
        QCOMPARE(after.form->LabelMove->text(), QStringLiteral("Your Move (move.cmd):"));
        // Saved meanwhile, the draft is older than the move file and goes unasked.
        after.form->Drafts()->WriteNow();
        after.picker.nextFile = after.work.filePath(QStringLiteral("saved.cmd"));
        after.form->menuItemSaveAsClick();
        QVERIFY(!QFile::exists(after.form->Drafts()->Path()));
    }

    // The problem list follows every change of the move, the report and the tribe; a row
    // selects its line, F8 steps through the rows.
    void problemListFollowsTheCheck() {
        Editing f;
        QCOMPARE(Lines(f.form->ListBoxProblems),
                 QStringList{QStringLiteral("Line 2: Illegal province coordinates!")});
        QCOMPARE(f.form->ListBoxMove->item(2)->toolTip(),
                 QStringLiteral("Illegal province coordinates!"));
        QVERIFY(f.form->ListBoxMove->item(1)->toolTip().isEmpty());

        f.SetMove({"PLA 99 99 FO", "PLA 98 98 FO", "END"});
        QCOMPARE(f.form->ListBoxProblems->count(), 2);
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
        f.AnswerTribeDialog(true, QStringLiteral("4. Picts"));
        f.picker.nextFile = f.CopyReport(QStringLiteral("turn13.txt"));
        f.form->menuItemLoadReportClick();
        QCOMPARE(Lines(f.form->ListBoxProblems),
                 QStringList{QStringLiteral("Line 1: You don't own province 3/3!")});

        f.form->menuItemShowProblems->trigger();
        QVERIFY(f.form->PanelProblems->isHidden());
        const MainFixture again({}, f.configDir.path());
        QVERIFY(!again.form->menuItemShowProblems->isChecked());
    }

    void fileThatIsNoReportChangesNothing() {
        Editing f;
        const QString title = ShownTitle(f.form.get());
        const QString gold = f.form->LabelSGoldVal->text();
        f.picker.nextFile = f.work.filePath(QStringLiteral("binary.txt"));
        f.WriteFile(f.picker.nextFile, QByteArray("\x7f"
                                                  "ELF\x02\x01\x01",
                                                  7));
        f.form->menuItemLoadReportClick();
        QCOMPARE(f.notifier.errors.last(), QStringLiteral("File ") + f.picker.nextFile +
                                               QStringLiteral(" is no turn report!"));
        QCOMPARE(ShownTitle(f.form.get()), title);
        QCOMPARE(f.form->LabelSGoldVal->text(), gold);
        QCOMPARE(f.form->ListBoxProblems->count(), 1);
    }
};

} // namespace

std::vector<std::unique_ptr<QObject>> EditingLoopTests() {
    std::vector<std::unique_ptr<QObject>> tests;
    tests.push_back(std::make_unique<EditingLoopTest>());
    return tests;
}

#include "editing_loop_test.moc"

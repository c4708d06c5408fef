// The Move menu over the move document, the display switches, the current goods and
// Check Move, driven as a user drives them.

#include "fixture.h"
#include "gui/check_result.h"
#include "gui_tests.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

using orv::gui::testing::Example;
using orv::gui::testing::Lines;
using orv::gui::testing::MainFixture;

namespace {

// The lines of a move file. A raw line the editor writes from a sentence may end in one
// blank, so the lines are compared without their trailing blanks.
QStringList FileLines(const QByteArray& bytes) {
    QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    for (QString& line : lines) {
        line = line.trimmed();
    }
    return lines;
}

QStringList Trimmed(QStringList lines) {
    for (QString& line : lines) {
        line = line.trimmed();
    }
    return lines;
}

void Click(QWidget* parent, const char* name) {
    auto* radio = parent->findChild<QRadioButton*>(QString::fromLatin1(name));
    QVERIFY(radio != nullptr);
    QTest::mouseClick(radio, Qt::LeftButton);
}

// Started on the example report as the Vikings, with the example move loaded.
struct LoadedMove : MainFixture {
    LoadedMove() {
        AnswerTribeDialog(true, QStringLiteral("3. Vikings"));
        form->FormShow({Example("turn12.txt")});
        picker.nextFile = Example("turn12.cmd");
        form->menuItemLoadClick();
    }
};

class MoveMenuTest : public QObject {
    Q_OBJECT
  private slots:
    void loadNamesTheMoveAndShowsItInNaturalForm() {
        LoadedMove f;
        QCOMPARE(f.picker.titles.last(), QStringLiteral("Select move file"));
        QCOMPARE(f.form->LabelMove->text(), QStringLiteral("Your Move (turn12.cmd):"));
        QVERIFY(f.form->menuItemSave->isEnabled());
        QVERIFY(f.form->menuItemReload->isEnabled());
        const QStringList lines = Lines(f.form->ListBoxMove);
        QCOMPARE(lines.first(), QStringLiteral("BEGIN"));
        QVERIFY(lines.contains(QStringLiteral("Send message(s):")));
        QVERIFY(f.notifier.errors.isEmpty());

        f.picker.nextFile = f.CopyReport(QStringLiteral("plain.txt"));
        f.form->menuItemLoadClick();
        QCOMPARE(f.picker.folders.last(), QString::fromLatin1(ORV_EXAMPLES_DIR));
        QCOMPARE(f.notifier.errors, QStringList{QStringLiteral("Error in file: no BEGIN found!")});
        QCOMPARE(Lines(f.form->ListBoxMove), lines);
    }

    void displaySwitchRebuildsOnlyOnARealChange() {
        LoadedMove f;
        const QStringList natural = Lines(f.form->ListBoxMove);
        Click(f.form->RadioGroupDisplay, "RadioGroupDisplayRaw");
        const QStringList raw = Lines(f.form->ListBoxMove);
        QCOMPARE(Trimmed(raw), FileLines(f.ReadFile(Example("turn12.cmd"))));
        Click(f.form->RadioGroupDisplay, "RadioGroupDisplayRaw");
        QCOMPARE(Lines(f.form->ListBoxMove), raw);
        Click(f.form->RadioGroupDisplay, "RadioGroupDisplayNatural");
        QCOMPARE(Lines(f.form->ListBoxMove), natural);
        QVERIFY(f.notifier.errors.isEmpty());
    }

    void commandsSwitchListsTheCaptionsOfItsForm() {
        LoadedMove f;
        QCOMPARE(f.form->ListBoxCommands->item(1)->text(), QStringLiteral("Cede Province"));
        Click(f.form->RadioGroupCommands, "RadioGroupCommandsRaw");
        QCOMPARE(f.form->ListBoxCommands->item(0)->text(),
                 QStringLiteral("ALL   (Alter Alliance Status)"));
        QCOMPARE(f.form->ListBoxCommands->item(1)->text(),
                 QStringLiteral("BUILD (Change Terrain Type)"));
        QCOMPARE(f.form->ListBoxCommands->count(), 12);
    }

    void saveAsAsksBeforeOverwritingAndWritesRawLines() {
        LoadedMove f;
        const QString target = f.work.filePath(QStringLiteral("mine.cmd"));
        f.WriteFile(target, "keep me\r\n");
        f.picker.nextFile = target;
        f.notifier.answer = false;
        f.form->menuItemSaveAsClick();
        QCOMPARE(f.notifier.questions,
                 QStringList{QStringLiteral("File exists already!\r\nDo you want to overwrite?")});
        QCOMPARE(f.ReadFile(target), QByteArray("keep me\r\n"));
        QCOMPARE(f.form->LabelMove->text(), QStringLiteral("Your Move (turn12.cmd):"));

        f.notifier.answer = true;
        f.form->menuItemSaveAsClick();
        const QByteArray saved = f.ReadFile(target);
        QVERIFY(saved.endsWith("\r\n"));
        QCOMPARE(FileLines(saved), FileLines(f.ReadFile(Example("turn12.cmd"))));
        QCOMPARE(f.form->LabelMove->text(), QStringLiteral("Your Move (mine.cmd):"));
        QVERIFY(Lines(f.form->ListBoxMove).contains(QStringLiteral("Send message(s):")));
    }

    void putThenGetFromClipboardGivesTheSameMove() {
        LoadedMove f;
        const QStringList before = Lines(f.form->ListBoxMove);
        f.form->menuItemPuttoClipboardClick();
        QCOMPARE(FileLines(QApplication::clipboard()->text().toLatin1()),
                 FileLines(f.ReadFile(Example("turn12.cmd"))));
        f.form->menuItemNewClick();
        QCOMPARE(Lines(f.form->ListBoxMove),
                 (QStringList{QStringLiteral("BEGIN"), QStringLiteral("END")}));
        f.form->menuItemGetfromClipboardClick();
        QCOMPARE(Lines(f.form->ListBoxMove), before);
        QCOMPARE(f.form->LabelMove->text(), QStringLiteral("Your Move:"));
    }

    void clipboardWithoutTextOrWithHugeTextIsHandled() {
        LoadedMove f;
        QApplication::clipboard()->clear();
        const QStringList before = Lines(f.form->ListBoxMove);
        f.form->menuItemGetfromClipboardClick();
        QCOMPARE(f.notifier.errors,
                 QStringList{QStringLiteral("Clipboard contains no plain text!")});
        QCOMPARE(Lines(f.form->ListBoxMove), before);

        QString huge = QStringLiteral("BEGIN\r\nEND\r\n");
        const QString message = QStringLiteral("a message line of some length\r\n");
        while (huge.size() < 5 * 1024 * 1024) {
            huge += message;
        }
        QApplication::clipboard()->setText(huge);
        f.form->menuItemGetfromClipboardClick();
        QVERIFY(f.form->ListBoxMove->count() > 150000);
    }

    void newAndReloadAskFirst() {
        LoadedMove f;
        const QStringList loaded = Lines(f.form->ListBoxMove);
        f.notifier.answer = false;
        f.form->menuItemNewClick();
        QCOMPARE(Lines(f.form->ListBoxMove), loaded);
        f.notifier.answer = true;
        f.form->menuItemNewClick();
        QCOMPARE(f.notifier.questions.first(),
                 QStringLiteral("Are you sure you want to clear this form?"));
        QVERIFY(!f.form->menuItemSave->isEnabled());
        QVERIFY(!f.form->menuItemReload->isEnabled());

        f.form->menuItemLoadClick();
        f.form->menuItemNewClick();
        f.form->menuItemLoadClick();
        f.form->menuItemReloadClick();
        QCOMPARE(f.notifier.questions.last(),
                 QStringLiteral("Really want to discard your edits and reload the move?"));
        QCOMPARE(Lines(f.form->ListBoxMove), loaded);
    }

    void currentGoodsFollowTheSelectedLine() {
        LoadedMove f;
        // A click on BEGIN selects the first order: one foot soldier, one ship, one castle.
        f.form->ListBoxMove->setCurrentRow(0);
        QCOMPARE(f.form->ListBoxMove->currentRow(), 1);
        QCOMPARE(f.form->LabelCGoldVal->text(), QStringLiteral("2382"));
        QCOMPARE(f.form->LabelCWoodVal->text(), QStringLiteral("510"));
        QVERIFY(!f.form->LabelCGoldVal->styleSheet().contains(QStringLiteral("red")));
        f.form->ListBoxMove->clearSelection();
        QCOMPARE(f.form->LabelCGoldVal->text(), QStringLiteral("-"));
        QCOMPARE(f.form->LabelCWoodVal->text(), QStringLiteral("-"));

        f.picker.nextFile = f.work.filePath(QStringLiteral("costly.cmd"));
        QByteArray costly = "BEGIN\r\n";
        for (int i = 0; i < 70; ++i) {
            costly += "PLA 3 3 CA 3 3 CA 3 3 CA\r\n"; // 36 gold a line
        }
        f.WriteFile(f.picker.nextFile, costly + "END\r\n");
        f.form->menuItemLoadClick();
        f.form->ListBoxMove->setCurrentRow(70);
        QCOMPARE(f.form->LabelCGoldVal->text(), QStringLiteral("-120"));
        QVERIFY(f.form->LabelCGoldVal->styleSheet().contains(QStringLiteral("red")));
    }

    void checkMoveShowsTheReportOrSaysTheMoveIsCorrect() {
        MainFixture f;
        f.StartWith(Example("turn12.txt"));
        f.form->menuItemCheckMoveClick();
        QCOMPARE(f.notifier.informations, QStringList{QStringLiteral("Nothing to check.")});

        f.picker.nextFile = f.work.filePath(QStringLiteral("ok.cmd"));
        f.WriteFile(f.picker.nextFile, "BEGIN\r\nALL 2 1\r\nEND\r\n");
        f.form->menuItemLoadClick();
        f.form->menuItemCheckMoveClick();
        QCOMPARE(f.notifier.informations.last(), QStringLiteral("Move seems to be correct."));
        QVERIFY(f.form->CheckResultWindow()->isHidden());

        f.picker.nextFile = f.work.filePath(QStringLiteral("bad.cmd"));
        f.WriteFile(f.picker.nextFile, "BEGIN\r\nLAND 99 99 FO 1 N\r\nEND\r\n");
        f.form->menuItemLoadClick();
        const QStringList before = Lines(f.form->ListBoxMove);
        f.form->menuItemCheckMoveClick();
        QVERIFY(!f.form->CheckResultWindow()->isHidden());
        QCOMPARE(f.form->CheckResultWindow()->windowTitle(), QStringLiteral("Check move result"));
        QVERIFY(f.form->CheckResultWindow()->Memo()->toPlainText().startsWith(
            QStringLiteral("Error in line 1 \"")));
        QCOMPARE(Lines(f.form->ListBoxMove), before);
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }
};

} // namespace

std::vector<std::unique_ptr<QObject>> MoveMenuTests() {
    std::vector<std::unique_ptr<QObject>> tests;
    tests.push_back(std::make_unique<MoveMenuTest>());
    return tests;
}

#include "move_menu_test.moc"

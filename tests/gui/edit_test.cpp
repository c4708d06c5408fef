// Building a move in the main window: the controls that open the command dialogs, the
// composed line in the move, editing it again, and moving and deleting orders.

#include "fixture.h"
#include "gui/command_dialog.h"
#include "gui/help.h"
#include "gui/movement_dialog.h"
#include "gui_tests.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <functional>

using orv::gui::CommandDialogBase;
using orv::gui::testing::Example;
using orv::gui::testing::Lines;
using orv::gui::testing::MainFixture;

namespace {

// Started on the example report as the Vikings, with a move of the given raw lines.
struct EditFixture : MainFixture {
    // The dialogs that opened, by object name, with what the test did in them.
    QStringList opened;

    explicit EditFixture(const QByteArray& rawLines = {}, bool raw = false) {
        AnswerTribeDialog(true, QStringLiteral("3. Vikings"));
        form->FormShow({Example("turn12.txt")});
        ShowRaw(raw);
        if (!rawLines.isEmpty()) {
            picker.nextFile = work.filePath(QStringLiteral("move.cmd"));
            WriteFile(picker.nextFile, rawLines);
            form->menuItemLoadClick();
        }
    }

    QStringList MoveLines() const { return Lines(form->ListBoxMove); }
    int Selected() const { return form->ListBoxMove->currentRow(); }

    void ChooseCommand(const char* caption) const {
        const auto found =
            form->ListBoxCommands->findItems(QString::fromLatin1(caption), Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        form->ListBoxCommands->setCurrentItem(found.front());
    }

    // A user's click on a line of the move, passing through the selection rule.
    void ClickLine(int row) const { form->ListBoxMove->setCurrentRow(row); }

    void ShowRaw(bool raw) const {
        auto* button = form->RadioGroupDisplay->findChild<QRadioButton*>(
            raw ? QStringLiteral("RadioGroupDisplayRaw")
                : QStringLiteral("RadioGroupDisplayNatural"));
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // Acts in the next command dialog that opens, as soon as it is shown.
    void InDialog(std::function<void(CommandDialogBase*)> act) {
        QTimer::singleShot(0, form.get(), [this, act] {
            auto* dialog = qobject_cast<CommandDialogBase*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            opened.append(dialog->objectName());
            act(dialog);
            if (dialog->isVisible()) {
                dialog->ButtonCancel->click();
            }
        });
    }
};

// A move written short: lines between "|", a single letter standing for a king's naming.
QStringList Short(const QString& lines) {
    QStringList expanded = lines.split(QLatin1Char('|'));
    for (QString& line : expanded) {
        if (line.size() == 1) {
            line = QStringLiteral("NAME ") + line;
        }
    }
    return expanded;
}

QByteArray ShortFile(const QString& lines) {
    return Short(lines).join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
}

template <typename T> T* Child(QObject* parent, const char* name) {
    return parent->findChild<T*>(QString::fromLatin1(name));
}

void Type(CommandDialogBase* dialog, const char* name, const char* text) {
    auto* edit = Child<QLineEdit>(dialog, name);
    QVERIFY(edit != nullptr);
    edit->clear();
    QTest::keyClicks(edit, QString::fromLatin1(text));
}

void Pick(CommandDialogBase* dialog, const char* name, const char* entry) {
    auto* box = Child<QComboBox>(dialog, name);
    QVERIFY(box != nullptr);
    box->setCurrentIndex(box->findText(QString::fromLatin1(entry)));
}

class EditTest : public QObject {
    Q_OBJECT
  private slots:
    void anOrderGoesInAndOpensAgainPrefilled() {
        EditFixture f;
        f.ChooseCommand("Move Through Land");
        f.InDialog([&f](CommandDialogBase* dialog) {
            QCOMPARE(dialog->LabelCommand->text(), QStringLiteral("Move Through Land"));
            QApplication::setActiveWindow(dialog);
            QTest::keyClick(dialog, Qt::Key_F1);
            // Help belongs to the modal dialog, so it opens above it and can be used.
            QCOMPARE(f.form->Help()->parentWidget(), dialog);
            QVERIFY(f.form->Help()->isVisible());
            Type(dialog, "EditX", "3");
            Type(dialog, "EditY", "4");
            Type(dialog, "EditNumber1", "5");
            Pick(dialog, "ComboBoxType1", "Foot soldier");
            Type(dialog, "EditNumber2", "3");
            Pick(dialog, "ComboBoxType2", "Bowman");
            Pick(dialog, "ComboBoxTactic", "Outflank");
            Type(dialog, "EditDirection", "N E");
            QTest::mouseClick(dialog->ButtonOK, Qt::LeftButton);
        });
        QTest::mouseClick(f.form->ButtonBelow, Qt::LeftButton);
        QCOMPARE(f.opened, QStringList{QStringLiteral("FormMoveC1")});
        QCOMPARE(f.form->Help()->Browser()->source().toString(),
                 QStringLiteral("qrc:/help/commands.html#c150"));
        QCOMPARE(f.notifier.errors, QStringList());
        QCOMPARE(f.MoveLines(),
                 (QStringList{QStringLiteral("BEGIN"),
                              QStringLiteral("Move through land with 5 Foot soldiers and 3 Bowmen "
                                             "and tactic Outflank from province 3 / 4 to north "
                                             "east "),
                              QStringLiteral("END")}));
        QCOMPARE(f.Selected(), 1);
        f.ShowRaw(true);
        QCOMPARE(f.MoveLines().at(1), QStringLiteral("LAND 3 4 U FO 5 BO 3 N E"));

        f.ClickLine(1);
        f.InDialog([](CommandDialogBase* dialog) {
            auto* c1 = qobject_cast<orv::gui::MovementDialog*>(dialog);
            QVERIFY(c1 != nullptr);
            QCOMPARE(c1->EditX->text(), QStringLiteral("3"));
            QCOMPARE(c1->EditY->text(), QStringLiteral("4"));
            QCOMPARE(c1->EditNumber1->text(), QStringLiteral("5"));
            QCOMPARE(c1->ComboBoxType1->currentText(), QStringLiteral("Foot soldier"));
            QCOMPARE(c1->EditNumber2->text(), QStringLiteral("3"));
            QCOMPARE(c1->ComboBoxType2->currentText(), QStringLiteral("Bowman"));
            QCOMPARE(c1->ComboBoxTactic->currentText(), QStringLiteral("Outflank"));
            QCOMPARE(c1->EditDirection->text(), QStringLiteral("N E"));
            // A changed number replaces the line in place.
            c1->EditNumber2->setText(QStringLiteral("4"));
            c1->ButtonOK->click();
        });
        QTest::mouseClick(f.form->ButtonEdit, Qt::LeftButton);
        QCOMPARE(f.opened.size(), 2);
        QCOMPARE(f.MoveLines(),
                 (QStringList{QStringLiteral("BEGIN"), QStringLiteral("LAND 3 4 U FO 5 BO 4 N E"),
                              QStringLiteral("END")}));
        // The edit and the new order are one step each.
        QCOMPARE(f.form->menuItemUndo->text(), QStringLiteral("Undo Edit Command"));
        f.form->menuItemUndo->trigger();
        QCOMPARE(f.MoveLines().at(1), QStringLiteral("LAND 3 4 U FO 5 BO 3 N E"));
        f.form->menuItemUndo->trigger();
        QCOMPARE(f.MoveLines(), (QStringList{QStringLiteral("BEGIN"), QStringLiteral("END")}));
        f.form->menuItemRedo->trigger();
        QCOMPARE(f.MoveLines().at(1), QStringLiteral("LAND 3 4 U FO 5 BO 3 N E"));
        QCOMPARE(f.Selected(), 1);
    }

    void dispatcherRefusesWithItsMessages() {
        EditFixture f("BEGIN\r\nPLA 3 3 FO\r\nEND\r\nHello\r\n");
        QTest::mouseClick(f.form->ButtonAbove, Qt::LeftButton);
        QCOMPARE(f.notifier.errors.last(),
                 QStringLiteral("Please select a command from the 'Commands'-list first"));

        f.ChooseCommand("Send Message(s)");
        QTest::mouseClick(f.form->ButtonBelow, Qt::LeftButton);
        QCOMPARE(f.notifier.errors.last(),
                 QStringLiteral("There exists a \"Send message(s)\" command already.\r\n"
                                "Only one \"Send message(s)\" command is allowed in a move.\r\n"
                                "Select the \"Send message(s)\" command in the move and press\r\n"
                                "the \"Edit command\" button to add a message."));

        f.form->ListBoxMove->clearSelection();
        QTest::mouseClick(f.form->ButtonEdit, Qt::LeftButton);
        QCOMPARE(f.notifier.errors.last(),
                 QStringLiteral("Please select a command in the 'Your Move'-section first"));
        QCOMPARE(f.notifier.errors.size(), 3);
        QVERIFY(f.opened.isEmpty());
        QCOMPARE(f.MoveLines().size(), 5);
    }

    void disallowedBuildRefusesNewOrdersAndWarnsOnEdits() {
        EditFixture f("BEGIN\r\nBUILD 2 3\r\nEND\r\n");
        f.form->State().game.options.buildOrderActive = false;
        f.ShowRaw(false);
        QTest::mouseClick(f.form->RadioGroupCommands->findChild<QRadioButton*>(
                              QStringLiteral("RadioGroupCommandsRaw")),
                          Qt::LeftButton);
        f.ChooseCommand("BUILD (Change Terrain Type)");
        QTest::mouseClick(f.form->ButtonAbove, Qt::LeftButton);
        QCOMPARE(f.notifier.errors,
                 QStringList{QStringLiteral("Global GM option disallow the use of the BUILD "
                                            "command!")});
        QVERIFY(f.opened.isEmpty());

        f.ClickLine(1);
        f.InDialog([](CommandDialogBase* dialog) {
            QCOMPARE(dialog->LabelCommand->text(), QStringLiteral("BUILD (Change Terrain Type)"));
        });
        QTest::mouseClick(f.form->ButtonEdit, Qt::LeftButton);
        QCOMPARE(f.notifier.warnings, f.notifier.errors);
        QCOMPARE(f.opened, QStringList{QStringLiteral("FormMoveC5")});
        QCOMPARE(f.MoveLines().at(1), QStringLiteral("Change terrain type of province 2 / 3"));
    }

    void messageBlockIsEditedAsOneText() {
        EditFixture f("BEGIN\r\nPLA 3 3 FO\r\nEND\r\nOne\r\n\r\nThree\r\n");
        f.ClickLine(5); // the rule moves the selection to the block's first line
        QCOMPARE(f.Selected(), 3);
        QCOMPARE(f.form->ListBoxMove->item(3)->text(), QStringLiteral("Send message(s):"));
        f.InDialog([](CommandDialogBase* dialog) {
            auto* memo = dialog->findChild<QPlainTextEdit*>(QStringLiteral("Memo"));
            QCOMPARE(memo->toPlainText(), QStringLiteral("One\n\nThree\n"));
            memo->setPlainText(QStringLiteral("Four\n\nSix"));
            dialog->ButtonOK->click();
        });
        f.form->ListBoxMoveDblClick();
        QCOMPARE(f.MoveLines().mid(3),
                 (QStringList{QStringLiteral("Send message(s):"), QStringLiteral("Four"), QString(),
                              QStringLiteral("Six")}));
    }

    void newOrdersStayOutOfTheMessageBlock() {
        EditFixture f("BEGIN\r\nNAME Eric\r\nEND\r\nHello\r\n", true);
        f.ClickLine(3);
        f.ChooseCommand("Name King");
        f.InDialog([](CommandDialogBase* dialog) {
            Type(dialog, "EditName", "Harald Fairhair");
            dialog->ButtonOK->click();
        });
        QTest::mouseClick(f.form->ButtonBelow, Qt::LeftButton);
        QCOMPARE(f.MoveLines(), (QStringList{QStringLiteral("BEGIN"), QStringLiteral("NAME Eric"),
                                             QStringLiteral("NAME Harald Fairhair"),
                                             QStringLiteral("END"), QStringLiteral("Hello")}));
        QCOMPARE(f.Selected(), 2);
    }

    void goodsFollowPlacementsMovesAndDeletes() {
        EditFixture f("BEGIN\r\nNAME Harald\r\nPLA 3 3 CA\r\nEND\r\n");
        f.ClickLine(1);
        QCOMPARE(f.form->LabelCGoldVal->text(), QStringLiteral("2400"));
        f.ChooseCommand("Name Province");
        f.InDialog([](CommandDialogBase* dialog) {
            Type(dialog, "EditX", "3");
            Type(dialog, "EditY", "3");
            Type(dialog, "EditNewName", "Hrafnsey");
            dialog->ButtonOK->click();
        });
        QTest::mouseClick(f.form->ButtonBelow, Qt::LeftButton);
        QCOMPARE(f.Selected(), 2);
        QCOMPARE(f.form->LabelCGoldVal->text(), QStringLiteral("2400")); // a naming costs nothing

        f.ChooseCommand("Place Units");
        f.InDialog([](CommandDialogBase* dialog) {
            Type(dialog, "EditX1", "3");
            Type(dialog, "EditY1", "3");
            Pick(dialog, "ComboBoxType1", "Castle");
            dialog->ButtonOK->click();
        });
        QTest::mouseClick(f.form->ButtonAbove, Qt::LeftButton);
        QCOMPARE(f.Selected(), 2);
        // The goods after the new line itself, not after the line it pushed down.
        const QString oneCastle = QStringLiteral("2388");
        QCOMPARE(f.form->LabelCGoldVal->text(), oneCastle);

        QTest::mouseClick(f.form->ButtonPlus, Qt::LeftButton); // below the naming
        QCOMPARE(f.Selected(), 3);
        QCOMPARE(f.form->LabelCGoldVal->text(), oneCastle);
        QTest::mouseClick(f.form->ButtonPlus, Qt::LeftButton); // below the second castle
        QCOMPARE(f.Selected(), 4);
        QCOMPARE(f.form->LabelCGoldVal->text(), QStringLiteral("2376"));
        QTest::mouseClick(f.form->ButtonDelete, Qt::LeftButton);
        QCOMPARE(f.Selected(), 3);
        QCOMPARE(f.form->LabelCGoldVal->text(), oneCastle);
    }

    void listEditing_data() {
        QTest::addColumn<QString>("move");
        QTest::addColumn<int>("click");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("lines"); // the raw lines after, "|" between them
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("message");
        const QString three = QStringLiteral("BEGIN|A|B|C|END");
        const QString moved = QStringLiteral("BEGIN|A|B|C|END");
        const QString position =
            QStringLiteral("You can't change the position of the \"Send message(s)\" command!");
        QTest::newRow("- on the first wraps above END") << three << 1 << "ButtonMinus"
                                                        << "BEGIN|B|C|A|END" << 3 << QString();
        QTest::newRow("+ on the last wraps below BEGIN") << three << 3 << "ButtonPlus"
                                                         << "BEGIN|C|A|B|END" << 1 << QString();

        QTest::newRow("delete the only order")
            << QStringLiteral("BEGIN|A|END") << 1 << "ButtonDelete"
            << "BEGIN|END" << -1 << QString();
        QTest::newRow("delete the message block")
            << QStringLiteral("BEGIN|A|END|Hi|Ho") << 4 << "ButtonDelete"
            << "BEGIN|A|END" << 1 << QString();
        QTest::newRow("- in the message block")
            << QStringLiteral("BEGIN|A|END|Hi") << 3 << "ButtonMinus"
            << "BEGIN|A|END|Hi" << 3 << position;

        // Without orders, clicking END leaves BEGIN selected; the frame survives.
        for (const char* button : {"ButtonMinus", "ButtonPlus", "ButtonDelete"}) {
            QTest::newRow(QByteArray("frame line and ") + button)
                << QStringLiteral("BEGIN|END|Hi") << 1 << button << "BEGIN|END|Hi" << 0
                << QString();
        }
        QTest::newRow("nothing selected")
            << three << -1 << "ButtonDelete" << moved << -1
            << QStringLiteral("You have to select a line in the 'Your Move' section first!");
    }

    void listEditing() {
        QFETCH(QString, move);
        QFETCH(int, click);
        QFETCH(QString, button);
        QFETCH(QString, lines);
        QFETCH(int, selected);
        QFETCH(QString, message);
        EditFixture f(ShortFile(move), true);
        f.ClickLine(click);
        QTest::mouseClick(f.form->findChild<QPushButton*>(button), Qt::LeftButton);
        QCOMPARE(f.MoveLines(), Short(lines));
        QCOMPARE(f.form->ListBoxMove->selectedItems().isEmpty() ? -1 : f.Selected(), selected);
        QCOMPARE(f.notifier.errors, message.isEmpty() ? QStringList() : QStringList{message});
    }

    void selectionSkipsTheFrameLines() {
        EditFixture f(ShortFile(QStringLiteral("BEGIN|A|B|END|Hi|Ho|Hu")), true);
        const std::pair<int, int> clicks[] = {{0, 1}, {3, 2}, {6, 4}, {4, 4}, {2, 2}};
        for (const auto& [click, selected] : clicks) {
            f.ClickLine(click);
            QCOMPARE(f.Selected(), selected);
        }
        EditFixture empty;
        empty.ClickLine(1);
        QVERIFY(empty.form->ListBoxMove->selectedItems().isEmpty());
        QCOMPARE(empty.form->LabelCGoldVal->text(), QStringLiteral("-"));
    }
};

} // namespace

std::vector<std::unique_ptr<QObject>> EditTests() {
    std::vector<std::unique_ptr<QObject>> tests;
    tests.push_back(std::make_unique<EditTest>());
    return tests;
}

#include "edit_test.moc"

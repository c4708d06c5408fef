// The seven command dialogs driven through their controls: the focus after a failed check,
// the direction list, the parts shown per command, the player field, help, Escape and
// Cancel, and message boxes above the dialog.

#include "fixture.h"
#include "gui/name_king_dialog.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QWheelEvent>

using namespace orv::gui::testing;
using orv::edit::OrderFields;
using orv::move::CommandKind;
using orv::move::DisplayForm;

Q_DECLARE_METATYPE(CommandKind)

namespace {

// The main window's seven dialogs on the example report, each handing its fields to a
// recorder instead of the move.
struct Dialogs : MainFixture {
    std::vector<std::pair<CommandKind, OrderFields>> composed;

    Dialogs() {
        StartWith(Example("turn12.txt"));
        for (const auto& info : move::CommandCatalogue()) {
            form->CommandDialog(info.dialog)
                ->SetComposer([this](CommandKind kind, const OrderFields& fields) {
                    composed.emplace_back(kind, fields);
                });
        }
    }

    // The dialog set up for a new order of the kind, shown, with the entries made.
    CommandDialogBase* Open(CommandKind kind, const char* entries = "") const {
        CommandDialogBase* dialog = form->CommandDialog(move::InfoOf(kind).dialog);
        dialog->Prepare(DisplayForm::Natural, kind, {});
        Fill(dialog, entries);
        dialog->show();
        QApplication::setActiveWindow(dialog);
        return dialog;
    }
};

class DialogTest : public QObject {
    Q_OBJECT
  private slots:
    // OK shows the first failed check's message and puts the keyboard focus on the field it
    // is about, the fields kept. The checks are the core's; one row for each field a dialog
    // can point at.
    void okFocusesTheFieldOfTheFailedCheck_data() {
        QTest::addColumn<CommandKind>("kind");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("focus");
        using enum CommandKind;
        const auto row = [](const char* name, CommandKind kind, const char* entries,
                            const char* focus) {
            QTest::newRow(name) << kind << QString::fromLatin1(entries)
                                << QString::fromLatin1(focus);
        };
        row("land: x", MoveThroughLand, "EditNumber1=2", "EditX");
        row("land: type 2", MoveThroughLand,
            "EditX=3 EditY=4 EditDirection=N EditNumber1=1 ComboBoxType1=General EditNumber2=2",
            "ComboBoxType2");
        row("sea: direction", MoveThroughSea, "EditX=3 EditY=4 ComboBoxType1=All", "EditDirection");
        row("espionage: x 2", EspionageEnemyProvince, "EditX1=3 EditY1=4 EditX2=4a", "EditX2");
        row("defend: y 3", GiveDefensiveOrders,
            "EditX1=3 EditY1=4 ComboBoxType1=Outflank EditX3=5 ComboBoxType3=Outflank", "EditY3");
        row("place: type 2", PlaceUnits, "EditX1=3 EditY1=4 ComboBoxType1=Ship EditX2=5 EditY2=6",
            "ComboBoxType2");
        row("name province: name", NameProvince, "EditX=3 EditY=4", "EditNewName");
        row("alliance: status", AlterAllianceStatus, "ComboBoxPlayer=3", "ComboBoxStatus");
        row("cede: player", CedeProvince, "EditX=3 EditY=4", "ComboBoxPlayer");
        row("king: name", NameKing, "", "EditName");
        row("message: text", SendMessages, "", "Memo");
    }

    void okFocusesTheFieldOfTheFailedCheck() {
        QFETCH(CommandKind, kind);
        QFETCH(QString, entries);
        QFETCH(QString, focus);
        Dialogs d;
        CommandDialogBase* dialog = d.Open(kind, qPrintable(entries));
        dialog->ButtonOK->setFocus();
        dialog->ButtonOK->click();
        QCOMPARE(d.notifier.errors.size(), 1);
        QVERIFY(d.composed.empty());
        auto* field = dialog->findChild<QWidget*>(focus);
        QWidget* focused = QApplication::focusWidget();
        QVERIFY2(field != nullptr && (focused == field || field->isAncestorOf(focused)),
                 qPrintable(focus));
        QCOMPARE(dialog->Fields(), d.Open(kind, qPrintable(entries))->Fields());
    }

    // A step is added to the path only for an entry picked from the open list, by Enter or
    // a click; arrow keys and the wheel on the closed list pass over entries.
    void directionStepsOnlyForPickedEntries() {
        Dialogs d;
        CommandDialogBase* dialog = d.Open(CommandKind::MoveThroughLand,
                                           "EditX=3 EditY=4 EditNumber1=5 ComboBoxType1=Bowman");
        auto* directions = dialog->findChild<QComboBox*>(u"ComboBoxDirection"_s);
        directions->setFocus();
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_End, Qt::Key_S}) {
            QTest::keyClick(directions, key);
        }
        QWheelEvent wheel(QPointF(5, 5), directions->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                          Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(directions, &wheel);
        for (const auto& [row, click] : {std::pair{0, false}, {0, true}, {1, true}}) {
            directions->showPopup();
            QAbstractItemView* list = directions->view();
            list->setCurrentIndex(list->model()->index(row, 0));
            click ? QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                      list->visualRect(list->currentIndex()).center())
                  : QTest::keyClick(list, Qt::Key_Return);
        }
        QCOMPARE(dialog->findChild<QLineEdit*>(u"EditDirection"_s)->text(), u"N N E"_s);
    }

    // The player field of the alliance and the cession dialog: a picked or completed entry
    // "3 - Vikings" keeps its number, on leaving the field as on OK by Enter.
    void playerFieldKeepsTheNumber() {
        Dialogs d;
        for (CommandKind kind : {CommandKind::AlterAllianceStatus, CommandKind::CedeProvince}) {
            CommandDialogBase* dialog = d.Open(
                kind, kind == CommandKind::CedeProvince ? "EditX=3 EditY=4" : "ComboBoxStatus=1");
            auto* player = dialog->findChild<QComboBox*>(u"ComboBoxPlayer"_s);
            player->setFocus();
            player->setCurrentIndex(2);
            dialog->ButtonCancel->setFocus();
            QCOMPARE(player->currentText(), u"3"_s);
            // Typing "2" completes to "2 - Sons of Odin"; Enter takes the completion, and Enter
            // again confirms player 2 without leaving the field.
            player->setFocus();
            player->clearEditText();
            QTest::keyClicks(player->lineEdit(), u"2"_s);
            QCOMPARE(player->currentText(), u"2 - Sons of Odin"_s);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(dialog->result(), int{QDialog::Accepted});
        }
        QCOMPARE(d.composed.front().second, OrderFields(edit::AllianceFields{"2", "1"}));
        QCOMPARE(d.composed.back().second, OrderFields(edit::ProvinceFields{"3", "4", "2"}));
    }

    // F1 asks for the command's help topic; Escape and Cancel leave composing nothing.
    void helpEscapeAndCancel() {
        Dialogs d;
        bool escape = false;
        for (const auto& info : move::CommandCatalogue()) {
            CommandDialogBase* dialog = d.Open(info.kind);
            QSignalSpy help(dialog, &CommandDialogBase::HelpRequested);
            QTest::keyClick(dialog, Qt::Key_F1);
            QCOMPARE(help.size(), 1);
            QCOMPARE(help.front().front().toInt(), info.helpTopic);
            (escape = !escape) ? QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape)
                               : QTest::mouseClick(dialog->ButtonCancel, Qt::LeftButton);
            QCOMPARE(dialog->result(), int{QDialog::Rejected});
            QCOMPARE(d.composed.back().second, OrderFields{});
        }
        QCOMPARE(d.composed.size(), move::CommandKindCount);
    }

    // A check's message box belongs to the dialog, which stays on top, so it opens above it.
    void messageBoxesBelongToTheDialog() {
        MessageBoxNotifier boxes(nullptr); // as the main window's
        NameKingDialog dialog(nullptr, boxes);
        dialog.Prepare(DisplayForm::Raw, CommandKind::NameKing, {});
        dialog.show();
        QWidget* owner = nullptr;
        QTimer::singleShot(0, &dialog, [&owner] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                owner = box->parentWidget();
                box->accept();
            }
        });
        dialog.ButtonOK->click();
        QCOMPARE(owner, static_cast<QWidget*>(&dialog));
    }

    // A message keeps its no-break spaces; a character the move file cannot hold asks
    // first, No staying in the dialog and Yes writing "?" for it. The clipboard asks too.
    void typedTextKeepsNoBreakSpacesAndAsksBeforeLosingCharacters() {
        Dialogs d;
        CommandDialogBase* dialog = d.Open(CommandKind::SendMessages);
        auto* memo = dialog->findChild<QPlainTextEdit*>(u"Memo"_s);
        memo->setPlainText(u"Hail\u00A0Odin\nto \u0142odz"_s);
        d.notifier.answer = false;
        dialog->ButtonOK->click();
        QVERIFY(d.composed.empty());
        QCOMPARE(QApplication::focusWidget(), memo);
        QCOMPARE(d.notifier.questions,
                 QStringList{u"The text holds characters that a move file cannot hold. They would "
                             "become \"?\":\r\nline 2, column 4: \"\u0142\" (U+0142)\r\nGo on?"_s});
        d.notifier.answer = true;
        dialog->ButtonOK->click();
        QCOMPARE(d.composed.back().second,
                 OrderFields(edit::MessageFields{"Hail\xA0Odin\nto ?odz"}));

        d.notifier.answer = false;
        const std::size_t lines = d.form->Move().Size();
        QApplication::clipboard()->setText(u"BEGIN\r\nALL 1 2\r\nEND\r\n\u0142\r\n"_s);
        d.form->menuItemGetfromClipboardClick();
        QCOMPARE(d.notifier.questions.size(), 3);
        QVERIFY(d.notifier.questions.last().contains(u"line 4, column 1:"_s));
        QCOMPARE(d.form->Move().Size(), lines);
    }
};

} // namespace

ORV_GUI_TEST_CLASS(DialogTest);

#include "dialog_test.moc"

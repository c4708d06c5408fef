// The seven command dialogs driven through their controls: checks on OK, focus, fields handed
// over, parts shown per command, message boxes above the dialog, help, Escape and Cancel.

#include "core/edit/compose.h"
#include "fixture.h"
#include "gui/alliance_dialog.h"
#include "gui/message_dialog.h"
#include "gui/movement_dialog.h"
#include "gui/name_king_dialog.h"
#include "gui/name_province_dialog.h"
#include "gui/province_dialog.h"
#include "gui/province_groups_dialog.h"
#include "gui_tests.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

using orv::edit::AllianceFields;
using orv::edit::OrderFields;
using orv::gui::CommandDialogBase;
using orv::gui::testing::RecordingNotifier;
using orv::move::CommandKind;
using orv::move::DisplayForm;

Q_DECLARE_METATYPE(CommandKind)

namespace {

struct Composed {
    CommandKind kind;
    OrderFields fields;
};
// The seven dialogs, each handing its fields to a recorder instead of a move.
struct Dialogs {
    RecordingNotifier notifier;
    orv::report::Game game;
    std::vector<Composed> composed;
    std::vector<std::unique_ptr<CommandDialogBase>> all;

    // The messages go to the recorder, or to message boxes by a notifier that shows them.
    explicit Dialogs(orv::gui::Notifier* messages = nullptr) {
        orv::gui::Notifier& m = messages != nullptr ? *messages : notifier;
        game.tribes = {{"Black Company", 1, {}}, {"Druids", 2, {}}, {"Vikings", 3, {}}};
        using namespace orv::gui;
        all.push_back(std::make_unique<MovementDialog>(nullptr, m));
        all.push_back(std::make_unique<ProvinceGroupsDialog>(nullptr, m));
        all.push_back(std::make_unique<NameProvinceDialog>(nullptr, m));
        all.push_back(std::make_unique<AllianceDialog>(nullptr, m, game));
        all.push_back(std::make_unique<ProvinceDialog>(nullptr, m, game));
        all.push_back(std::make_unique<NameKingDialog>(nullptr, m));
        all.push_back(std::make_unique<MessageDialog>(nullptr, m));
        for (const auto& dialog : all) {
            dialog->SetComposer([this](CommandKind kind, const OrderFields& fields) {
                composed.push_back({kind, fields});
            });
        }
    }

    CommandDialogBase* For(CommandKind kind) const {
        return all.at(static_cast<std::size_t>(orv::move::InfoOf(kind).dialog)).get();
    }

    // The dialog set up for a new order of the kind, with the entries "Name=text" made
    // through its controls: typed into fields, picked from pick-only lists.
    CommandDialogBase* Open(CommandKind kind, const QStringList& entries) const {
        CommandDialogBase* dialog = For(kind);
        dialog->Prepare(DisplayForm::Natural, kind, {});
        for (const QString& entry : entries) {
            const QString name = entry.section(QLatin1Char('='), 0, 0);
            const QString text = entry.section(QLatin1Char('='), 1);
            if (auto* edit = dialog->findChild<QLineEdit*>(name)) {
                edit->setText(text);
            } else if (auto* box = dialog->findChild<QComboBox*>(name)) {
                if (box->isEditable()) {
                    box->setEditText(text);
                } else {
                    box->setCurrentIndex(box->findText(text, Qt::MatchExactly));
                }
            } else {
                qWarning("no control %s", qPrintable(name));
            }
        }
        return dialog;
    }
};

// Entries between blanks; "_" stands for a blank inside an entry.
QStringList Entries(const char* text) {
    return QString::fromLatin1(text)
        .split(QLatin1Char(' '), Qt::SkipEmptyParts)
        .replaceInStrings(QStringLiteral("_"), QStringLiteral(" "));
}

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) {
        items.append(box->itemText(i));
    }
    return items;
}

template <typename T> T* Child(QObject* parent, const char* name) {
    auto* child = parent->findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr) {
        qFatal("no control %s", name);
    }
    return child;
}

void Show(QWidget* dialog) {
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QApplication::setActiveWindow(dialog);
}

// Picks an entry from the opened drop-down list by Enter or by a click, as the user does.
void PickFromOpenList(QComboBox* box, int row, bool click) {
    box->showPopup();
    QAbstractItemView* list = box->view();
    list->setCurrentIndex(list->model()->index(row, 0));
    if (click) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->currentIndex()).center());
    } else {
        QTest::keyClick(list, Qt::Key_Return);
    }
}

class DialogTest : public QObject {
    Q_OBJECT
  private slots:
    // What OK does: the message of the first failed check, after which the keyboard focus
    // is on the field it is about, or the composed order (raw) when the fields pass.
    void okChecksInOrder_data() {
        QTest::addColumn<CommandKind>("kind");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("focus");
        const auto row = [](const char* name, CommandKind kind, const char* entries,
                            const char* outcome, const char* focus = "") {
            QTest::newRow(name) << kind << Entries(entries) << QString::fromLatin1(outcome)
                                << QString::fromLatin1(focus);
        };
        using enum CommandKind;
        const char* const troopAndNumber = "You have to enter a troop type AND a number!";
        row("land: no province before no direction", MoveThroughLand, "EditNumber1=2",
            "You have to enter a province!", "EditX");
        row("land: no direction", MoveThroughLand, "EditX=3 EditY=4",
            "You have to enter a direction!", "EditDirection");
        row("land: troop 1 empty under troop 2", MoveThroughLand,
            "EditX=3 EditY=4 EditDirection=N EditNumber2=2 ComboBoxType2=Bowman", troopAndNumber,
            "EditNumber1");
        row("land: number 2 without type", MoveThroughLand,
            "EditX=3 EditY=4 EditDirection=N EditNumber1=1 ComboBoxType1=General EditNumber2=2",
            troopAndNumber, "ComboBoxType2");
        row("land: no troops", MoveThroughLand, "EditX=3 EditY=4 EditDirection=N",
            "You have to enter at least one troop type!", "ComboBoxType1");
        row("land: coordinates", MoveThroughLand,
            "EditX=3a EditY=4 EditDirection=N ComboBoxType1=All",
            "The X- and Y-coordinate of the province has to be a number!", "EditX");
        row("sea: bad direction", MoveThroughSea,
            "EditX=3 EditY=4 EditDirection=NE ComboBoxType1=All", "Direction string is invalid!",
            "EditDirection");
        row("raid: all with a number", RaidProvince,
            "EditX=3 EditY=4 EditDirection=n_no_e EditNumber1=2 ComboBoxType1=All",
            "Do not specify a number, if you select \"ALL\" as a troop type!", "EditNumber1");
        // The empty entry of a later type list takes the type back; raids have no tactic.
        row("raid: later type taken back", RaidProvince,
            "EditX=3 EditY=4 EditDirection=E ComboBoxType1=All ComboBoxType2=", "RAID 3 4 AT E");
        row("land: all troops pass", MoveThroughLand,
            "EditX=3 EditY=4 EditDirection=n_no_e ComboBoxType1=All", "LAND 3 4 AT n no e");
        row("place: no province", PlaceUnits, "EditX2=3 EditY2=4",
            "You have to enter at least one province!", "EditX1");
        row("espionage: second coordinate", EspionageEnemyProvince, "EditX1=3 EditY1=4 EditX2=4a",
            "The X- and Y-coordinate of the provinces has to be a number!", "EditX2");
        row("place: no type", PlaceUnits, "EditX1=3 EditY1=4",
            "You have to enter at least one troop type!", "ComboBoxType1");
        row("place: unit 2 without type", PlaceUnits,
            "EditX1=3 EditY1=4 ComboBoxType1=Ship EditX2=5 EditY2=6",
            "You have to specify an X-coordinate AND an Y-coordinate AND a troop type for unit "
            "2!",
            "ComboBoxType2");
        row("defend: no tactic in order 1", GiveDefensiveOrders,
            "EditX1=3 EditY1=4 EditX2=5 EditY2=6 ComboBoxType2=Outflank",
            "You have to enter at least one tactic!", "ComboBoxType1");
        row("defend: order 3 without Y", GiveDefensiveOrders,
            "EditX1=3 EditY1=4 ComboBoxType1=Outflank EditX3=5 ComboBoxType3=Outflank",
            "You have to specify an X-coordinate AND an Y-coordinate AND a tactic for order 3!",
            "EditY3");
        row("name province: no province", NameProvince, "EditNewName=Ravenhold",
            "You have to enter a province!", "EditX");
        row("name province: no name", NameProvince, "EditX=3 EditY=4",
            "You have to enter a new name for the province!", "EditNewName");
        row("alliance: no status", AlterAllianceStatus, "ComboBoxPlayer=3",
            "You have to enter a player number AND a status!", "ComboBoxStatus");
        row("cede: coordinates", CedeProvince, "EditX=3 EditY=-",
            "The X- and Y-coordinate of the provinces has to be a number!", "EditY");
        row("cede: no player", CedeProvince, "EditX=3 EditY=4",
            "You have to enter a player number to cede the province to!", "ComboBoxPlayer");
        row("cede: player no number", CedeProvince, "EditX=3 EditY=4 ComboBoxPlayer=two",
            "The player number is no number!", "ComboBoxPlayer");
        // A field holding a whole tribe entry counts as the entry's number, as on leaving it.
        row("cede: whole tribe entry", CedeProvince, "EditX=3 EditY=4 ComboBoxPlayer=2_-_Druids",
            "CEDE 3 4 2");
        row("build: no player needed", ChangeTerrainType, "EditX=3 EditY=4", "BUILD 3 4");
        row("king: no name", NameKing, "", "You have to enter a name for the queen/king!",
            "EditName");
        row("message: empty", SendMessages, "", "You have to enter a message!", "Memo");
    }

    void okChecksInOrder() {
        QFETCH(CommandKind, kind);
        QFETCH(QStringList, entries);
        QFETCH(QString, outcome);
        QFETCH(QString, focus);
        Dialogs d;
        CommandDialogBase* dialog = d.Open(kind, entries);
        Show(dialog);
        dialog->ButtonOK->setFocus();
        dialog->ButtonOK->click();
        if (focus.isEmpty()) {
            QCOMPARE(d.notifier.errors, QStringList());
            QCOMPARE(d.composed.size(), std::size_t{1});
            QCOMPARE(orv::edit::ComposeLine(kind, d.composed.front().fields, DisplayForm::Raw),
                     outcome.toStdString());
            QCOMPARE(dialog->result(), int{QDialog::Accepted});
        } else {
            QCOMPARE(d.notifier.errors, QStringList{outcome});
            QVERIFY(d.composed.empty());
            auto* field = Child<QWidget>(dialog, focus.toLatin1().constData());
            QWidget* focused = QApplication::focusWidget();
            QVERIFY2(focused == field || field->isAncestorOf(focused), qPrintable(focus));
            // The fields keep what the user entered.
            QCOMPARE(dialog->Fields(), d.Open(kind, entries)->Fields());
        }
    }

    // A step is added to the path only for an entry picked from the open list; arrow keys
    // and the wheel on the closed list pass over entries without adding any.
    void directionStepsOnlyForPickedEntries() {
        Dialogs d;
        CommandDialogBase* dialog =
            d.Open(CommandKind::MoveThroughLand,
                   Entries("EditX=3 EditY=4 EditNumber1=5 ComboBoxType1=Foot_soldier "
                           "EditNumber2=3 ComboBoxType2=Bowman ComboBoxTactic=Outflank"));
        Show(dialog);
        auto* directions = Child<QComboBox>(dialog, "ComboBoxDirection");
        directions->setFocus();
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_End, Qt::Key_S}) {
            QTest::keyClick(directions, key);
        }
        QWheelEvent wheel(QPointF(5, 5), directions->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                          Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(directions, &wheel);
        QCOMPARE(Child<QLineEdit>(dialog, "EditDirection")->text(), QString());
        PickFromOpenList(directions, 0, false); // North
        PickFromOpenList(directions, 0, true);  // North
        PickFromOpenList(directions, 1, true);  // East
        dialog->ButtonOK->click();
        QCOMPARE(d.composed.size(), std::size_t{1});
        QCOMPARE(
            d.composed.front().fields,
            OrderFields(orv::edit::MovementFields{
                "3", "4", "Outflank", {{{"5", "Foot soldier"}, {"3", "Bowman"}, {}}}, "N N E"}));
    }

    // Each command shows its parts, none of them cut, whatever the set-up of an earlier use.
    void partsShownPerCommand_data() {
        QTest::addColumn<CommandKind>("kind");
        QTest::addColumn<QString>("caption2"); // of the second group, or of the player label
        QTest::addColumn<QString>("choiceLabel");
        QTest::addColumn<QStringList>("choices"); // of the tactic or choice lists
        using enum CommandKind;
        const QStringList tactics = Entries("Frontal_assault Pincer_attack Standard_attack "
                                            "Outflank Counter_attack");
        QTest::newRow("land") << MoveThroughLand << "Troop 2 (optional)" << QString()
                              << tactics + QStringList{QString()};
        QTest::newRow("raid") << RaidProvince << "Troop 2 (optional)" << QString() << QStringList();
        QTest::newRow("place") << PlaceUnits << "Unit 2 (optional)"
                               << "Type:" << Entries("Bowman Castle Foot_soldier Horseman Ship");
        QTest::newRow("defend") << GiveDefensiveOrders << "Order 2 (optional)"
                                << "Tactic:" << tactics;
        QTest::newRow("espionage")
            << EspionageEnemyProvince << "Province 2 (optional)" << QString() << QStringList();
        QTest::newRow("cede") << CedeProvince << "Player Number:" << QString() << QStringList();
        QTest::newRow("build") << ChangeTerrainType << QString() << QString() << QStringList();
    }

    void partsShownPerCommand() {
        QFETCH(CommandKind, kind);
        QFETCH(QString, caption2);
        QFETCH(QString, choiceLabel);
        QFETCH(QStringList, choices);
        Dialogs d;
        // Opened for the richest command of the dialog first, so nothing of it may survive.
        const std::pair<CommandKind, const char*> richest[] = {
            {CommandKind::MoveThroughLand, "ComboBoxTactic=Outflank"},
            {CommandKind::PlaceUnits, "ComboBoxType1=Ship"},
            {CommandKind::CedeProvince, "ComboBoxPlayer=2"}};
        for (const auto& [first, entries] : richest) {
            if (d.For(first) == d.For(kind)) {
                Show(d.Open(first, Entries(entries)));
            }
        }
        CommandDialogBase* dialog = d.Open(kind, {});
        QCOMPARE(dialog->LabelCommand->text(),
                 QString::fromLatin1(orv::move::CommandCaption(kind, DisplayForm::Natural)));
        if (auto* movement = qobject_cast<orv::gui::MovementDialog*>(dialog)) {
            QCOMPARE(movement->GroupBoxTroop2->title(), caption2);
            QCOMPARE(movement->GroupBoxTactic->isHidden(), choices.isEmpty());
            QCOMPARE(Items(movement->ComboBoxTactic), choices);
            QCOMPARE(Items(movement->ComboBoxType1),
                     Entries("All Bowman Castle Foot_soldier General Horseman Ship"));
            QCOMPARE(Items(movement->ComboBoxType2).last(), QString());
            QCOMPARE(Items(movement->ComboBoxDirection), Entries("North East South West"));
        } else if (auto* groups = qobject_cast<orv::gui::ProvinceGroupsDialog*>(dialog)) {
            QCOMPARE(groups->GroupBoxUnit2->title(), caption2);
            for (int n = 1; n <= 3; ++n) {
                const auto& group = groups->Group(n);
                QCOMPARE(group.labelProvince->isHidden(), choiceLabel.isEmpty());
                QCOMPARE(group.choice->isHidden(), choiceLabel.isEmpty());
                QCOMPARE(group.labelChoice->text(), choiceLabel);
                QCOMPARE(Items(group.choice), choices);
            }
        } else {
            QCOMPARE(Child<QLabel>(dialog, "Label1")->isHidden(), caption2.isEmpty());
            QCOMPARE(Child<QComboBox>(dialog, "ComboBoxPlayer")->isHidden(), caption2.isEmpty());
        }
        Show(dialog);
        for (auto* part : dialog->findChildren<QWidget*>()) { // captions whole, inside
            if (part->isVisible() && (qobject_cast<QLabel*>(part) != nullptr ||
                                      qobject_cast<QAbstractButton*>(part) != nullptr)) {
                QVERIFY2(
                    part->width() >= part->sizeHint().width() &&
                        dialog->rect().contains(QRect(part->mapTo(dialog, QPoint()), part->size())),
                    qPrintable(part->objectName()));
            }
        }
    }

    // The player field of the alliance and the cession dialog: a picked or completed entry
    // "3 - Vikings" keeps its number 3, on leaving the field as on OK by Enter.
    void playerFieldKeepsTheNumber() {
        Dialogs d;
        for (CommandKind kind : {CommandKind::AlterAllianceStatus, CommandKind::CedeProvince}) {
            CommandDialogBase* dialog =
                d.Open(kind, Entries(kind == CommandKind::CedeProvince ? "EditX=3 EditY=4"
                                                                       : "ComboBoxStatus=1"));
            Show(dialog);
            auto* player = Child<QComboBox>(dialog, "ComboBoxPlayer");
            QCOMPARE(Items(player).join(u','),
                     QStringLiteral("1 - Black Company,2 - Druids,3 - Vikings"));
            player->setFocus();
            player->setCurrentIndex(2);
            dialog->ButtonCancel->setFocus();
            QCOMPARE(player->currentText(), QStringLiteral("3"));

            // Typing "2" completes to "2 - Druids"; Enter takes the completion, and Enter
            // again confirms player 2 without leaving the field.
            player->setFocus();
            player->clearEditText();
            QTest::keyClicks(player->lineEdit(), QStringLiteral("2"));
            QCOMPARE(player->currentText(), QStringLiteral("2 - Druids"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // takes the completion
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(d.notifier.errors, QStringList());
            QCOMPARE(dialog->result(), int{QDialog::Accepted});
        }
        QCOMPARE(d.composed.front().fields, OrderFields(AllianceFields{"2", "1"}));
        QCOMPARE(d.composed.back().fields, OrderFields(orv::edit::ProvinceFields{"3", "4", "2"}));
    }

    // A check's message box belongs to the dialog, which stays on top, so it opens above it
    // rather than behind it.
    void messageBoxesBelongToTheDialog() {
        orv::gui::MessageBoxNotifier boxes(nullptr); // as the main window's
        Dialogs d(&boxes);
        for (const auto& info : orv::move::CommandCatalogue()) {
            CommandDialogBase* dialog = d.Open(info.kind, {});
            Show(dialog);
            QWidget* owner = nullptr;
            QTimer::singleShot(0, dialog, [&owner] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    owner = box->parentWidget();
                    box->accept();
                }
            });
            dialog->ButtonOK->click();
            QCOMPARE(owner, static_cast<QWidget*>(dialog));
            dialog->hide();
        }
    }

    // An edited order's fields show in the controls and go back as they were.
    void prefilledFieldsShowAndHandOver() {
        Dialogs d;
        CommandDialogBase* dialog = d.For(CommandKind::AlterAllianceStatus);
        dialog->Prepare(DisplayForm::Raw, CommandKind::AlterAllianceStatus,
                        AllianceFields{"2", "4"});
        auto* status = Child<QComboBox>(dialog, "ComboBoxStatus"); // pick-only
        QVERIFY(!status->isEditable());
        QCOMPARE(Items(status), Entries("0 1 2 3 4 5"));
        QCOMPARE(status->currentText(), QStringLiteral("4"));
        QCOMPARE(Child<QComboBox>(dialog, "ComboBoxPlayer")->currentText(), QStringLiteral("2"));
        QCOMPARE(dialog->LabelCommand->text(), QStringLiteral("ALL   (Alter Alliance Status)"));
        dialog = d.For(CommandKind::SendMessages);
        dialog->Prepare(DisplayForm::Natural, CommandKind::SendMessages,
                        orv::edit::MessageFields{"To all: peace.\r\n\r\nTo the Druids: war.\r\n"});
        QCOMPARE(Child<QPlainTextEdit>(dialog, "Memo")->toPlainText(),
                 QStringLiteral("To all: peace.\n\nTo the Druids: war.\n"));
        dialog->ButtonOK->click();
        QCOMPARE(d.composed.front().fields,
                 OrderFields(orv::edit::MessageFields{"To all: peace.\n\nTo the Druids: war.\n"}));
    }

    // Every dialog asks for its command's help topic on F1, and leaves by Escape or Cancel
    // composing nothing.
    void helpEscapeAndCancel() {
        Dialogs d;
        for (const auto& info : orv::move::CommandCatalogue()) {
            for (bool escape : {true, false}) {
                CommandDialogBase* dialog = d.Open(info.kind, {});
                QSignalSpy help(dialog, &CommandDialogBase::HelpRequested);
                Show(dialog);
                QTest::keyClick(dialog, Qt::Key_F1);
                QCOMPARE(help.size(), 1);
                QCOMPARE(help.front().front().toInt(), info.helpTopic);
                if (escape) {
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
                } else {
                    QTest::mouseClick(dialog->ButtonCancel, Qt::LeftButton);
                }
                QCOMPARE(dialog->result(), int{QDialog::Rejected});
                QCOMPARE(d.composed.back().fields, OrderFields{});
            }
        }
        QCOMPARE(d.composed.size(), 2 * orv::move::CommandKindCount);
        QVERIFY(d.notifier.errors.isEmpty());
    }
};

} // namespace

std::vector<std::unique_ptr<QObject>> DialogTests() {
    std::vector<std::unique_ptr<QObject>> tests;
    tests.push_back(std::make_unique<DialogTest>());
    return tests;
}

#include "dialog_test.moc"

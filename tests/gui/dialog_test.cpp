// The seven command dialogs driven through their controls: the checks on OK with their
// messages, the fields handed to the composer, the layouts per command, Escape and help.

#include "fixture.h"
#include "gui/movec1.h"
#include "gui/movec2.h"
#include "gui/movec3.h"
#include "gui/movec4.h"
#include "gui/movec5.h"
#include "gui/movec6.h"
#include "gui/movec7.h"
#include "gui_tests.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using orv::edit::OrderFields;
using orv::gui::TCommandDialog;
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
    std::vector<std::unique_ptr<TCommandDialog>> all;

    Dialogs() {
        game.tribes = {{"Black Company", 1, {}}, {"Druids", 2, {}}, {"Vikings", 3, {}}};
        all.push_back(std::make_unique<orv::gui::TFormMoveC1>(nullptr, notifier));
        all.push_back(std::make_unique<orv::gui::TFormMoveC2>(nullptr, notifier));
        all.push_back(std::make_unique<orv::gui::TFormMoveC3>(nullptr, notifier));
        all.push_back(std::make_unique<orv::gui::TFormMoveC4>(nullptr, notifier, game));
        all.push_back(std::make_unique<orv::gui::TFormMoveC5>(nullptr, notifier, game));
        all.push_back(std::make_unique<orv::gui::TFormMoveC6>(nullptr, notifier));
        all.push_back(std::make_unique<orv::gui::TFormMoveC7>(nullptr, notifier));
        for (const auto& dialog : all) {
            dialog->SetComposer([this](CommandKind kind, const OrderFields& fields) {
                composed.push_back({kind, fields});
            });
        }
    }

    TCommandDialog* For(CommandKind kind) const {
        return all.at(static_cast<std::size_t>(orv::move::InfoOf(kind).dialog)).get();
    }

    // The dialog set up for a new order of the kind, with the entries "Name=text" made
    // through its controls: typed into fields, picked from pick-only lists.
    TCommandDialog* Open(CommandKind kind, const QStringList& entries) const {
        TCommandDialog* dialog = For(kind);
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
                    const int index = box->findText(text, Qt::MatchExactly);
                    if (index < 0) {
                        qWarning("no entry %s in %s", qPrintable(text), qPrintable(name));
                    }
                    box->setCurrentIndex(index);
                }
            } else if (auto* memo = dialog->findChild<QPlainTextEdit*>(name)) {
                memo->setPlainText(text);
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

class DialogTest : public QObject {
    Q_OBJECT
  private slots:
    void okChecksInOrder_data() {
        QTest::addColumn<CommandKind>("kind");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, CommandKind kind, const char* entries,
                            const char* message) {
            QTest::newRow(name) << kind << Entries(entries) << QString::fromLatin1(message);
        };
        using enum CommandKind;
        const char* const troopAndNumber = "You have to enter a troop type AND a number!";
        row("land: no province before no direction", MoveThroughLand, "EditNumber1=2",
            "You have to enter a province!");
        row("land: no direction", MoveThroughLand, "EditX=3 EditY=4",
            "You have to enter a direction!");
        row("land: troop 1 empty under troop 2", MoveThroughLand,
            "EditX=3 EditY=4 EditDirection=N EditNumber2=2 ComboBoxType2=Bowman", troopAndNumber);
        row("land: number 2 without type", MoveThroughLand,
            "EditX=3 EditY=4 EditDirection=N EditNumber1=1 ComboBoxType1=General EditNumber2=2",
            troopAndNumber);
        row("land: no troops", MoveThroughLand, "EditX=3 EditY=4 EditDirection=N",
            "You have to enter at least one troop type!");
        row("land: coordinates", MoveThroughLand,
            "EditX=3a EditY=4 EditDirection=N ComboBoxType1=All",
            "The X- and Y-coordinate of the province has to be a number!");
        row("sea: bad direction", MoveThroughSea,
            "EditX=3 EditY=4 EditDirection=NE "
            "ComboBoxType1=All",
            "Direction string is invalid!");
        row("raid: all with a number", RaidProvince,
            "EditX=3 EditY=4 EditDirection=n_no_e EditNumber1=2 ComboBoxType1=All",
            "Do not specify a number, if you select \"ALL\" as a troop type!");
        row("land: all troops pass", MoveThroughLand,
            "EditX=3 EditY=4 EditDirection=n_no_e ComboBoxType1=All", "");

        row("place: no province", PlaceUnits, "EditX2=3 EditY2=4",
            "You have to enter at least one province!");
        row("espionage: second coordinate", EspionageEnemyProvince, "EditX1=3 EditY1=4 EditX2=4a",
            "The X- and Y-coordinate of the provinces has to be a number!");
        row("place: no type", PlaceUnits, "EditX1=3 EditY1=4",
            "You have to enter at least one troop type!");
        row("place: unit 2 without type", PlaceUnits,
            "EditX1=3 EditY1=4 ComboBoxType1=Ship EditX2=5 EditY2=6",
            "You have to specify an X-coordinate AND an Y-coordinate AND a troop type for unit "
            "2!");
        row("defend: no tactic in order 1", GiveDefensiveOrders,
            "EditX1=3 EditY1=4 EditX2=5 EditY2=6 ComboBoxType2=Outflank",
            "You have to enter at least one tactic!");
        row("defend: order 3 without Y", GiveDefensiveOrders,
            "EditX1=3 EditY1=4 ComboBoxType1=Outflank EditX3=5 ComboBoxType3=Outflank",
            "You have to specify an X-coordinate AND an Y-coordinate AND a tactic for order 3!");

        row("name province: no province", NameProvince, "EditNewName=Ravenhold",
            "You have to enter a province!");
        row("name province: no name", NameProvince, "EditX=3 EditY=4",
            "You have to enter a new name for the province!");
        row("alliance: no status", AlterAllianceStatus, "ComboBoxPlayer=3",
            "You have to enter a player number AND a status!");
        row("alliance: whole tribe entry", AlterAllianceStatus,
            "ComboBoxPlayer=3_-_Vikings ComboBoxStatus=2", "Player number is no number!");
        row("alliance: player 12 passes", AlterAllianceStatus, "ComboBoxPlayer=12 ComboBoxStatus=5",
            "");
        row("cede: coordinates", CedeProvince, "EditX=3 EditY=-",
            "The X- and Y-coordinate of the provinces has to be a number!");
        row("cede: no player", CedeProvince, "EditX=3 EditY=4",
            "You have to enter a player number to cede the province to!");
        row("cede: player no number", CedeProvince, "EditX=3 EditY=4 ComboBoxPlayer=two",
            "The player number is no number!");
        row("build: no player needed", ChangeTerrainType, "EditX=3 EditY=4", "");
        row("king: no name", NameKing, "", "You have to enter a name for the queen/king!");
        row("message: empty", SendMessages, "", "You have to enter a message!");
    }

    void okChecksInOrder() {
        QFETCH(CommandKind, kind);
        QFETCH(QStringList, entries);
        QFETCH(QString, message);
        Dialogs d;
        TCommandDialog* dialog = d.Open(kind, entries);
        dialog->ButtonOK->click();
        if (message.isEmpty()) {
            QCOMPARE(d.notifier.errors, QStringList());
            QCOMPARE(d.composed.size(), std::size_t{1});
            QCOMPARE(d.composed.front().kind, kind);
            QCOMPARE(dialog->result(), int{QDialog::Accepted});
        } else {
            QCOMPARE(d.notifier.errors, QStringList{message});
            QVERIFY(d.composed.empty());
            // The fields keep what the user entered.
            QCOMPARE(dialog->Fields(), d.Open(kind, entries)->Fields());
        }
    }

    void movementFieldsReachTheComposerInTheirSlots() {
        Dialogs d;
        TCommandDialog* dialog =
            d.Open(CommandKind::MoveThroughLand,
                   Entries("EditX=3 EditY=4 EditNumber1=5 ComboBoxType1=Foot_soldier "
                           "EditNumber2=3 ComboBoxType2=Bowman ComboBoxTactic=Outflank"));
        auto* directions = Child<QComboBox>(dialog, "ComboBoxDirection");
        for (int pick : {0, 0, 1}) { // North, North, East
            directions->setCurrentIndex(pick);
            emit directions->activated(pick);
        }
        dialog->ButtonOK->click();
        QCOMPARE(d.composed.size(), std::size_t{1});
        const std::array<std::string, 10> expected{"3",      "4", "5", "Foot soldier", "3",
                                                   "Bowman", "",  "",  "Outflank",     "N N E"};
        QCOMPARE(d.composed.front().fields.slot, expected);
    }

    void emptyEntryOfALaterTypeTakesTheTypeBack() {
        Dialogs d;
        TCommandDialog* dialog =
            d.Open(CommandKind::RaidProvince,
                   Entries("EditX=3 EditY=4 EditDirection=E ComboBoxType1=All ComboBoxType2=Ship"));
        auto* type2 = Child<QComboBox>(dialog, "ComboBoxType2");
        QCOMPARE(Items(type2).last(), QString());
        type2->setCurrentIndex(type2->count() - 1);
        dialog->ButtonOK->click();
        QCOMPARE(d.notifier.errors, QStringList());
        QCOMPARE(d.composed.front().fields.At(6), std::string());
        QCOMPARE(d.composed.front().fields.At(9), std::string()); // raids have no tactic
    }

    void movementLayoutPerCommand_data() {
        QTest::addColumn<CommandKind>("kind");
        QTest::addColumn<bool>("tactic");
        QTest::addColumn<int>("directionTop");
        QTest::addColumn<int>("buttonsTop");
        QTest::addColumn<int>("height");
        QTest::newRow("land") << CommandKind::MoveThroughLand << true << 344 << 424 << 481;
        QTest::newRow("raid") << CommandKind::RaidProvince << false << 296 << 376 << 433;
        QTest::newRow("sea") << CommandKind::MoveThroughSea << false << 296 << 376 << 433;
    }

    void movementLayoutPerCommand() {
        QFETCH(CommandKind, kind);
        QFETCH(bool, tactic);
        QFETCH(int, directionTop);
        QFETCH(int, buttonsTop);
        QFETCH(int, height);
        Dialogs d;
        // Opened for a land movement first, so nothing of it may survive.
        d.Open(CommandKind::MoveThroughLand, Entries("ComboBoxTactic=Outflank"));
        TCommandDialog* dialog = d.Open(kind, {});
        QCOMPARE(!Child<QGroupBox>(dialog, "GroupBoxTactic")->isHidden(), tactic);
        QCOMPARE(Child<QComboBox>(dialog, "ComboBoxTactic")->count(), tactic ? 6 : 0);
        QCOMPARE(Child<QGroupBox>(dialog, "GroupBoxDirection")->y(), directionTop);
        QCOMPARE(dialog->ButtonOK->y(), buttonsTop);
        QCOMPARE(dialog->ButtonCancel->y(), buttonsTop);
        QCOMPARE(dialog->height() + 27, height);
        QCOMPARE(dialog->LabelCommand->text(),
                 QString::fromLatin1(orv::move::CommandCaption(kind, DisplayForm::Natural)));
        QCOMPARE(Items(Child<QComboBox>(dialog, "ComboBoxType1")),
                 Entries("All Bowman Castle Foot_soldier General Horseman Ship"));
        QCOMPARE(Items(Child<QComboBox>(dialog, "ComboBoxDirection")),
                 Entries("North East South West"));
        QCOMPARE(Child<QComboBox>(dialog, "ComboBoxType1")->currentIndex(), -1);
    }

    void unitsLayoutPerCommand_data() {
        QTest::addColumn<CommandKind>("kind");
        QTest::addColumn<QString>("caption2");
        QTest::addColumn<QString>("choiceLabel");
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<QList<int>>("geometry"); // group height, tops 2 and 3, buttons, height
        QTest::newRow("place") << CommandKind::PlaceUnits << QStringLiteral("Unit 2 (optional)")
                               << QStringLiteral("Type:")
                               << QStringList{QStringLiteral("Bowman"), QStringLiteral("Castle"),
                                              QStringLiteral("Foot soldier"),
                                              QStringLiteral("Horseman"), QStringLiteral("Ship")}
                               << QList<int>{65, 104, 176, 256, 314};
        QTest::newRow("defend") << CommandKind::GiveDefensiveOrders
                                << QStringLiteral("Order 2 (optional)") << QStringLiteral("Tactic:")
                                << QStringList{QStringLiteral("Frontal assault"),
                                               QStringLiteral("Pincer attack"),
                                               QStringLiteral("Standard attack"),
                                               QStringLiteral("Outflank"),
                                               QStringLiteral("Counter attack")}
                                << QList<int>{65, 104, 176, 256, 314};
        QTest::newRow("espionage")
            << CommandKind::EspionageEnemyProvince << QStringLiteral("Province 2 (optional)")
            << QString() << QStringList() << QList<int>{42, 81, 130, 187, 245};
    }

    void unitsLayoutPerCommand() {
        QFETCH(CommandKind, kind);
        QFETCH(QString, caption2);
        QFETCH(QString, choiceLabel);
        QFETCH(QStringList, choices);
        QFETCH(QList<int>, geometry);
        Dialogs d;
        auto* dialog = static_cast<orv::gui::TFormMoveC2*>(d.Open(kind, {}));
        QCOMPARE(dialog->GroupBoxUnit2->title(), caption2);
        for (int n = 1; n <= 3; ++n) {
            const auto& group = dialog->Group(n);
            QCOMPARE(group.labelProvince->isHidden(), choiceLabel.isEmpty());
            QCOMPARE(group.choice->isHidden(), choiceLabel.isEmpty());
            if (!choiceLabel.isEmpty()) {
                QCOMPARE(group.labelChoice->text(), choiceLabel);
            }
            QCOMPARE(Items(group.choice), choices);
            QCOMPARE(group.box->height(), geometry[0]);
        }
        QCOMPARE(dialog->GroupBoxUnit2->y(), geometry[1]);
        QCOMPARE(dialog->GroupBoxUnit3->y(), geometry[2]);
        QCOMPARE(dialog->ButtonOK->y(), geometry[3]);
        QCOMPARE(dialog->height() + 27, geometry[4]);
    }

    void provinceDialogHidesThePlayerForATerrainChange() {
        Dialogs d;
        TCommandDialog* cede = d.Open(CommandKind::CedeProvince, {});
        QVERIFY(!Child<QComboBox>(cede, "ComboBoxPlayer")->isHidden());
        QCOMPARE(cede->ButtonOK->y(), 119);
        QCOMPARE(cede->height() + 27, 177);
        TCommandDialog* build = d.Open(CommandKind::ChangeTerrainType, {});
        QVERIFY(Child<QComboBox>(build, "ComboBoxPlayer")->isHidden());
        QVERIFY(Child<QLabel>(build, "Label1")->isHidden());
        QCOMPARE(build->ButtonOK->y(), 84);
        QCOMPARE(build->height() + 27, 142);
    }

    void leavingThePlayerFieldKeepsTheNumber() {
        Dialogs d;
        for (CommandKind kind : {CommandKind::AlterAllianceStatus, CommandKind::CedeProvince}) {
            TCommandDialog* dialog = d.Open(kind, {});
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            auto* player = Child<QComboBox>(dialog, "ComboBoxPlayer");
            QCOMPARE(Items(player),
                     (QStringList{QStringLiteral("1 - Black Company"), QStringLiteral("2 - Druids"),
                                  QStringLiteral("3 - Vikings")}));
            player->setFocus();
            player->setCurrentIndex(2);
            QCOMPARE(player->currentText(), QStringLiteral("3 - Vikings"));
            dialog->ButtonCancel->setFocus();
            QCOMPARE(player->currentText(), QStringLiteral("3"));
            dialog->hide();
        }
        // Enter while the field still holds the whole entry confirms that entry.
        TCommandDialog* dialog = d.Open(CommandKind::AlterAllianceStatus,
                                        Entries("ComboBoxStatus=1 ComboBoxPlayer=2_-_Druids"));
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QApplication::setActiveWindow(dialog);
        Child<QComboBox>(dialog, "ComboBoxPlayer")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(d.notifier.errors, QStringList{QStringLiteral("Player number is no number!")});
        dialog->hide();
    }

    void statusListOffersExactlySixEntries() {
        Dialogs d;
        OrderFields fields;
        fields.Set(1, "2");
        fields.Set(2, "4");
        TCommandDialog* dialog = d.For(CommandKind::AlterAllianceStatus);
        dialog->Prepare(DisplayForm::Raw, CommandKind::AlterAllianceStatus, fields);
        auto* status = Child<QComboBox>(dialog, "ComboBoxStatus");
        QVERIFY(!status->isEditable());
        QCOMPARE(Items(status), Entries("0 1 2 3 4 5"));
        QCOMPARE(status->currentText(), QStringLiteral("4"));
        QCOMPARE(Child<QComboBox>(dialog, "ComboBoxPlayer")->currentText(), QStringLiteral("2"));
        QCOMPARE(dialog->LabelCommand->text(), QStringLiteral("ALL   (Alter Alliance Status)"));
    }

    void messageLinesKeepTheirEmptyLines() {
        Dialogs d;
        OrderFields fields;
        fields.Set(1, "To all: peace.\r\n\r\nTo the Druids: war.\r\n");
        TCommandDialog* dialog = d.For(CommandKind::SendMessages);
        dialog->Prepare(DisplayForm::Natural, CommandKind::SendMessages, fields);
        QCOMPARE(Child<QPlainTextEdit>(dialog, "Memo")->toPlainText(),
                 QStringLiteral("To all: peace.\n\nTo the Druids: war.\n"));
        dialog->ButtonOK->click();
        QCOMPARE(d.composed.front().fields.At(1), "To all: peace.\n\nTo the Druids: war.\n");
    }

    void escapeAndCancelComposeNothing_data() {
        QTest::addColumn<CommandKind>("kind");
        QTest::addColumn<bool>("escape");
        for (const auto& info : orv::move::CommandCatalogue()) {
            const QByteArray name(info.naturalCaption.data(),
                                  static_cast<qsizetype>(info.naturalCaption.size()));
            QTest::newRow(name + " Escape") << info.kind << true;
            QTest::newRow(name + " Cancel") << info.kind << false;
        }
    }

    void escapeAndCancelComposeNothing() {
        QFETCH(CommandKind, kind);
        QFETCH(bool, escape);
        Dialogs d;
        TCommandDialog* dialog = d.For(kind);
        OrderFields fields;
        fields.Set(1, "3");
        fields.Set(2, "4");
        dialog->Prepare(DisplayForm::Natural, kind, fields);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        if (escape) {
            QTest::keyClick(dialog->focusWidget() != nullptr ? dialog->focusWidget() : dialog,
                            Qt::Key_Escape);
        } else {
            QTest::mouseClick(dialog->ButtonCancel, Qt::LeftButton);
        }
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int{QDialog::Rejected});
        QCOMPARE(d.composed.size(), std::size_t{1});
        QCOMPARE(d.composed.front().fields, OrderFields{});
        QVERIFY(d.notifier.errors.isEmpty());
    }

    void helpKeyAsksForTheCommandsTopic() {
        Dialogs d;
        for (const auto& info : orv::move::CommandCatalogue()) {
            TCommandDialog* dialog = d.For(info.kind);
            dialog->Prepare(DisplayForm::Raw, info.kind, {});
            QCOMPARE(dialog->HelpContext(), info.helpTopic);
            QSignalSpy spy(dialog, &TCommandDialog::HelpRequested);
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            QTest::keyClick(dialog, Qt::Key_F1);
            QCOMPARE(spy.size(), 1);
            QCOMPARE(spy.front().front().toInt(), info.helpTopic);
            dialog->hide();
        }
    }
};

} // namespace

std::vector<std::unique_ptr<QObject>> DialogTests() {
    std::vector<std::unique_ptr<QObject>> tests;
    tests.push_back(std::make_unique<DialogTest>());
    return tests;
}

#include "dialog_test.moc"

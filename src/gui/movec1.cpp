#include "gui/movec1.h"

#include "core/edit/dialog_setup.h"
#include "core/edit/validate.h"
#include "gui/text_codec.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace orv::gui {

namespace {

constexpr int GroupHeight = 58;
constexpr int TacticTop = 296;
constexpr int TacticHeight = 44;
constexpr int DirectionHeight = 74;

QGroupBox* Group(QWidget* parent, const char* name, const char* caption, int top, int height) {
    auto* box = new QGroupBox(QString::fromLatin1(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(GroupLeft, top, GroupWidth, height);
    return box;
}

QHBoxLayout* Row(QGroupBox* box) {
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(GroupMargins());
    row->setSpacing(6);
    return row;
}

// "Number:" with its field and "Type:" with its list, in a troop group.
void TroopRow(QGroupBox* box, int n, QLineEdit*& number, QComboBox*& type) {
    const std::string suffix = std::to_string(n);
    const std::string numberName = "EditNumber" + suffix;
    const std::string typeName = "ComboBoxType" + suffix;
    number = NamedEdit(box, numberName.c_str(), ShortFieldWidth);
    type = NamedCombo(box, typeName.c_str(), false);
    QHBoxLayout* row = Row(box);
    row->addWidget(NamedLabel(box, ("LabelNumber" + suffix).c_str(), "Number:"));
    row->addWidget(number);
    row->addSpacing(8);
    row->addWidget(NamedLabel(box, ("LabelType" + suffix).c_str(), "Type:"));
    row->addWidget(type, 1);
}

} // namespace

TFormMoveC1::TFormMoveC1(QWidget* parent, Notifier& messages)
    : TCommandDialog(parent, messages, "FormMoveC1") {
    SetClientWidth(FixedDialogWidth);
    LabelCommand->setText(QStringLiteral("Move troop(s)"));
    LabelCommand->setGeometry(GroupLeft, 8, GroupWidth, 18);

    GroupBoxProvince = Group(this, "GroupBoxProvince", "Province", 32, GroupHeight);
    EditX = NamedEdit(GroupBoxProvince, "EditX", ShortFieldWidth);
    EditY = NamedEdit(GroupBoxProvince, "EditY", ShortFieldWidth);
    QHBoxLayout* province = Row(GroupBoxProvince);
    province->addWidget(NamedLabel(GroupBoxProvince, "LabelX", "X:"));
    province->addWidget(EditX);
    province->addSpacing(16);
    province->addWidget(NamedLabel(GroupBoxProvince, "LabelY", "Y:"));
    province->addWidget(EditY);
    province->addStretch();
    province->addWidget(PickButton(GroupBoxProvince, "ButtonPickOnMap", EditX, EditY));

    GroupBoxTroop1 = Group(this, "GroupBoxTroop1", "Troop 1", 98, GroupHeight);
    TroopRow(GroupBoxTroop1, 1, EditNumber1, ComboBoxType1);
    GroupBoxTroop2 = Group(this, "GroupBoxTroop2", "Troop 2 (optional)", 164, GroupHeight);
    TroopRow(GroupBoxTroop2, 2, EditNumber2, ComboBoxType2);
    GroupBoxTroop3 = Group(this, "GroupBoxTroop3", "Troop 3 (optional)", 230, GroupHeight);
    TroopRow(GroupBoxTroop3, 3, EditNumber3, ComboBoxType3);

    GroupBoxTactic =
        Group(this, "GroupBoxTactic", "Tactic to use (optional)", TacticTop, TacticHeight);
    ComboBoxTactic = NamedCombo(GroupBoxTactic, "ComboBoxTactic", false);
    Row(GroupBoxTactic)->addWidget(ComboBoxTactic);

    GroupBoxDirection = Group(this, "GroupBoxDirection", "Direction", 344, DirectionHeight);
    ComboBoxDirection = NamedCombo(GroupBoxDirection, "ComboBoxDirection", false);
    EditDirection = NamedEdit(GroupBoxDirection, "EditDirection", 0);
    auto* direction = new QVBoxLayout(GroupBoxDirection);
    direction->setContentsMargins(GroupMargins());
    direction->setSpacing(4);
    direction->addWidget(ComboBoxDirection);
    direction->addWidget(EditDirection);
    connect(ComboBoxDirection, &QComboBox::activated, this, &TFormMoveC1::ComboBoxDirectionChange);

    setTabOrder(EditX, EditY);
    setTabOrder(EditY, EditNumber1);
    setTabOrder(EditNumber1, ComboBoxType1);
    setTabOrder(ComboBoxType1, EditNumber2);
    setTabOrder(EditNumber2, ComboBoxType2);
    setTabOrder(ComboBoxType2, EditNumber3);
    setTabOrder(EditNumber3, ComboBoxType3);
    setTabOrder(ComboBoxType3, ComboBoxTactic);
    setTabOrder(ComboBoxTactic, ComboBoxDirection);
    setTabOrder(ComboBoxDirection, EditDirection);
    setTabOrder(EditDirection, ButtonOK);
    setTabOrder(ButtonOK, ButtonCancel);
    // Laid out once before the first opening, for the window's first size.
    TFormMoveC1::Configure(move::CommandKind::MoveThroughLand, {});
}

void TFormMoveC1::Configure(move::CommandKind kind, const edit::OrderFields& fields) {
    EditX->setText(FromText(fields.At(1)));
    EditY->setText(FromText(fields.At(2)));
    EditNumber1->setText(FromText(fields.At(3)));
    EditNumber2->setText(FromText(fields.At(5)));
    EditNumber3->setText(FromText(fields.At(7)));
    EditDirection->setText(FromText(fields.At(10)));

    const edit::MovementDialogSetup setup = edit::SetupMovementDialog(kind);
    FillCombo(ComboBoxType1, setup.type1);
    FillCombo(ComboBoxType2, setup.laterTypes);
    FillCombo(ComboBoxType3, setup.laterTypes);
    FillCombo(ComboBoxTactic, setup.tactics);
    FillCombo(ComboBoxDirection, setup.directions);
    const std::pair<QComboBox*, int> chosen[] = {
        {ComboBoxType1, 4}, {ComboBoxType2, 6}, {ComboBoxType3, 8}, {ComboBoxTactic, 9}};
    for (const auto& [box, slot] : chosen) {
        if (fields.Given(slot)) {
            SelectComboItem(box, fields.At(slot));
        }
    }

    GroupBoxTactic->setVisible(setup.tacticShown);
    GroupBoxDirection->move(GroupLeft, setup.directionTop);
    PlaceButtons(setup.buttonsTop, setup.height);
}

edit::OrderFields TFormMoveC1::Fields() const {
    edit::OrderFields fields;
    fields.Set(1, ToText(EditX->text()));
    fields.Set(2, ToText(EditY->text()));
    fields.Set(3, ToText(EditNumber1->text()));
    fields.Set(4, ComboText(ComboBoxType1));
    fields.Set(5, ToText(EditNumber2->text()));
    fields.Set(6, ComboText(ComboBoxType2));
    fields.Set(7, ToText(EditNumber3->text()));
    fields.Set(8, ComboText(ComboBoxType3));
    // A hidden tactic list is empty, so raids and sea movements never carry a tactic.
    fields.Set(9, ComboText(ComboBoxTactic));
    fields.Set(10, ToText(EditDirection->text()));
    return fields;
}

void TFormMoveC1::ComboBoxDirectionChange(int index) {
    if (index < 0) {
        return;
    }
    EditDirection->setText(FromText(edit::AppendDirection(
        ToText(EditDirection->text()), ToText(ComboBoxDirection->itemText(index)))));
}

QWidget* TFormMoveC1::FirstField() const {
    return EditX;
}

} // namespace orv::gui

#include "gui/movement_dialog.h"

#include "core/edit/dialog_setup.h"
#include "core/edit/validate.h"
#include "gui/text_codec.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace orv::gui {

namespace {

// A list whose entries count only when picked from the open list, by a click or Enter:
// arrow keys, letters and the mouse wheel on the closed list pass over entries without
// a signal, so passing over them adds no step to the path.
class PickedOnlyCombo final : public QComboBox {
  public:
    using QComboBox::QComboBox;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        const QSignalBlocker quiet(this);
        QComboBox::keyPressEvent(event);
    }
    void wheelEvent(QWheelEvent* event) override {
        const QSignalBlocker quiet(this);
        QComboBox::wheelEvent(event);
    }
};

QHBoxLayout* Row(QGroupBox* box) {
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(GroupMargins(box));
    return row;
}

// "Number:" with its field and "Type:" with its list, in a troop group.
void TroopRow(QGroupBox* box, int n, QLineEdit*& number, QComboBox*& type) {
    const std::string suffix = std::to_string(n);
    number = NamedNumberEdit(box, ("EditNumber" + suffix).c_str());
    type = NamedCombo(box, ("ComboBoxType" + suffix).c_str(), false);
    QHBoxLayout* row = Row(box);
    row->addWidget(NamedLabel(box, ("LabelNumber" + suffix).c_str(), "Number:"));
    row->addWidget(number);
    row->addSpacing(8);
    row->addWidget(NamedLabel(box, ("LabelType" + suffix).c_str(), "Type:"));
    row->addWidget(type, 1);
}

} // namespace

MovementDialog::MovementDialog(QWidget* parent, Notifier& messages)
    : CommandDialogBase(parent, messages, "FormMoveC1") {
    LabelCommand->setText(QStringLiteral("Move troop(s)"));

    GroupBoxProvince = NamedGroup(this, "GroupBoxProvince", "Province");
    EditX = NamedNumberEdit(GroupBoxProvince, "EditX");
    EditY = NamedNumberEdit(GroupBoxProvince, "EditY");
    QHBoxLayout* province = Row(GroupBoxProvince);
    province->addWidget(NamedLabel(GroupBoxProvince, "LabelX", "X:"));
    province->addWidget(EditX);
    province->addSpacing(16);
    province->addWidget(NamedLabel(GroupBoxProvince, "LabelY", "Y:"));
    province->addWidget(EditY);
    province->addStretch();
    province->addWidget(PickButton(GroupBoxProvince, "ButtonPickOnMap", EditX, EditY));

    GroupBoxTroop1 = NamedGroup(this, "GroupBoxTroop1", "Troop 1");
    TroopRow(GroupBoxTroop1, 1, EditNumber1, ComboBoxType1);
    GroupBoxTroop2 = NamedGroup(this, "GroupBoxTroop2", "Troop 2 (optional)");
    TroopRow(GroupBoxTroop2, 2, EditNumber2, ComboBoxType2);
    GroupBoxTroop3 = NamedGroup(this, "GroupBoxTroop3", "Troop 3 (optional)");
    TroopRow(GroupBoxTroop3, 3, EditNumber3, ComboBoxType3);
    numbers_ = {EditNumber1, EditNumber2, EditNumber3};
    types_ = {ComboBoxType1, ComboBoxType2, ComboBoxType3};

    GroupBoxTactic = NamedGroup(this, "GroupBoxTactic", "Tactic to use (optional)");
    ComboBoxTactic = NamedCombo(GroupBoxTactic, "ComboBoxTactic", false);
    Row(GroupBoxTactic)->addWidget(ComboBoxTactic);

    GroupBoxDirection = NamedGroup(this, "GroupBoxDirection", "Direction");
    ComboBoxDirection = new PickedOnlyCombo(GroupBoxDirection);
    ComboBoxDirection->setObjectName(QStringLiteral("ComboBoxDirection"));
    EditDirection = NamedEdit(GroupBoxDirection, "EditDirection");
    auto* direction = new QVBoxLayout(GroupBoxDirection);
    direction->setContentsMargins(GroupMargins(GroupBoxDirection));
    direction->addWidget(ComboBoxDirection);
    direction->addWidget(EditDirection);
    connect(ComboBoxDirection, &QComboBox::activated, this,
            &MovementDialog::ComboBoxDirectionChange);

    auto* body = new QVBoxLayout;
    for (QGroupBox* group : {GroupBoxProvince, GroupBoxTroop1, GroupBoxTroop2, GroupBoxTroop3,
                             GroupBoxTactic, GroupBoxDirection}) {
        body->addWidget(group);
    }
    StackWithButtons(body, UsualColumns);

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
    // Every change of a field shows on the map's preview of the order.
    for (QLineEdit* edit : {EditX, EditY, EditNumber1, EditNumber2, EditNumber3, EditDirection}) {
        connect(edit, &QLineEdit::textChanged, this, &MovementDialog::ShowPreview);
    }
    for (QComboBox* box : {ComboBoxType1, ComboBoxType2, ComboBoxType3, ComboBoxTactic}) {
        connect(box, &QComboBox::currentIndexChanged, this, &MovementDialog::ShowPreview);
    }
    // Set up once before the first opening, for the window's first size.
    MovementDialog::Configure(move::CommandKind::MoveThroughLand, {});
}

void MovementDialog::showEvent(QShowEvent* event) {
    CommandDialogBase::showEvent(event);
    ShowPreview();
}

void MovementDialog::Configure(move::CommandKind kind, const edit::OrderFields& fields) {
    const auto& f = edit::FieldsOf<edit::MovementFields>(fields);
    EditX->setText(FromText(f.x));
    EditY->setText(FromText(f.y));
    EditDirection->setText(FromText(f.direction));

    const edit::MovementDialogSetup setup = edit::SetupMovementDialog(kind);
    FillCombo(ComboBoxType1, setup.type1);
    FillCombo(ComboBoxType2, setup.laterTypes);
    FillCombo(ComboBoxType3, setup.laterTypes);
    FillCombo(ComboBoxTactic, setup.tactics);
    FillCombo(ComboBoxDirection, setup.directions);
    for (std::size_t i = 0; i < f.troops.size(); ++i) {
        numbers_[i]->setText(FromText(f.troops[i].number));
        if (!f.troops[i].type.empty()) {
            SelectComboItem(types_[i], f.troops[i].type);
        }
    }
    if (!f.tactic.empty()) {
        SelectComboItem(ComboBoxTactic, f.tactic);
    }
    GroupBoxTactic->setVisible(setup.tacticShown);
}

edit::OrderFields MovementDialog::Fields() const {
    edit::MovementFields f;
    f.x = ToText(EditX->text());
    f.y = ToText(EditY->text());
    for (std::size_t i = 0; i < f.troops.size(); ++i) {
        f.troops[i] = {ToText(numbers_[i]->text()), ComboText(types_[i])};
    }
    // A hidden tactic list is empty, so raids and sea movements never carry a tactic.
    f.tactic = ComboText(ComboBoxTactic);
    f.direction = ToText(EditDirection->text());
    return f;
}

void MovementDialog::ComboBoxDirectionChange(int index) {
    if (index < 0) {
        return;
    }
    EditDirection->setText(FromText(edit::AppendDirection(
        ToText(EditDirection->text()), ToText(ComboBoxDirection->itemText(index)))));
}

QWidget* MovementDialog::FirstField() const {
    return EditX;
}

QWidget* MovementDialog::FieldControl(const edit::FieldRef& field) const {
    const auto troop = static_cast<std::size_t>(field.index) % numbers_.size();
    switch (field.name) {
    case edit::FieldName::X:
        return EditX;
    case edit::FieldName::Y:
        return EditY;
    case edit::FieldName::TroopNumber:
        return numbers_[troop];
    case edit::FieldName::TroopType:
        return types_[troop];
    case edit::FieldName::Tactic:
        return ComboBoxTactic;
    case edit::FieldName::Direction:
        return EditDirection;
    default:
        return nullptr;
    }
}

} // namespace orv::gui

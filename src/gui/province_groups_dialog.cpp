#include "gui/province_groups_dialog.h"

#include "core/edit/dialog_setup.h"
#include "gui/text_codec.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace orv::gui {

namespace {

// The object names of one group's controls; the X and Y labels keep the names they have
// always had.
struct GroupNames {
    const char* box;
    const char* labelProvince;
    const char* labelX;
    const char* editX;
    const char* labelY;
    const char* editY;
    const char* labelChoice;
    const char* choice;
    const char* pick;
};

constexpr std::array<GroupNames, 3> Names{{
    {"GroupBoxUnit1", "LabelP1", "LabelX", "EditX1", "LabelY", "EditY1", "LabelType1",
     "ComboBoxType1", "ButtonPickOnMap1"},
    {"GroupBoxUnit2", "LabelP2", "Label1", "EditX2", "Label2", "EditY2", "LabelType2",
     "ComboBoxType2", "ButtonPickOnMap2"},
    {"GroupBoxUnit3", "LabelP3", "Label7", "EditX3", "Label8", "EditY3", "LabelType3",
     "ComboBoxType3", "ButtonPickOnMap3"},
}};

// "Province:  X: [ ]  Y: [ ]   Pick on map" above "Type: [list]"; the grid's first row
// keeps the province labels and the choice label in one column.
QGridLayout* GroupGrid(ProvinceGroupsDialog::UnitGroup& group, const GroupNames& names) {
    auto* grid = new QGridLayout(group.box);
    grid->setContentsMargins(GroupMargins(group.box));
    grid->addWidget(group.labelProvince, 0, 0);
    grid->addWidget(NamedLabel(group.box, names.labelX, "X:"), 0, 1);
    grid->addWidget(group.editX, 0, 2);
    grid->addWidget(NamedLabel(group.box, names.labelY, "Y:"), 0, 3);
    grid->addWidget(group.editY, 0, 4);
    grid->setColumnStretch(5, 1);
    grid->addWidget(group.labelChoice, 1, 0);
    grid->addWidget(group.choice, 1, 1, 1, 6);
    return grid;
}

} // namespace

ProvinceGroupsDialog::ProvinceGroupsDialog(QWidget* parent, Notifier& messages)
    : CommandDialogBase(parent, messages, "FormMoveC2") {
    auto* body = new QVBoxLayout;
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        const GroupNames& names = Names[i];
        UnitGroup& group = groups_[i];
        group.box = NamedGroup(this, names.box, "");
        group.labelProvince = NamedLabel(group.box, names.labelProvince, "Province:");
        group.editX = NamedNumberEdit(group.box, names.editX);
        group.editY = NamedNumberEdit(group.box, names.editY);
        group.labelChoice = NamedLabel(group.box, names.labelChoice, "Type:");
        group.choice = NamedCombo(group.box, names.choice, false);
        GroupGrid(group, names)
            ->addWidget(PickButton(group.box, names.pick, group.editX, group.editY), 0, 6);
        body->addWidget(group.box);
    }
    StackWithButtons(body, UsualColumns);
    GroupBoxUnit1 = groups_[0].box;
    GroupBoxUnit2 = groups_[1].box;
    GroupBoxUnit3 = groups_[2].box;
    EditX1 = groups_[0].editX;
    EditY1 = groups_[0].editY;
    EditX2 = groups_[1].editX;
    EditY2 = groups_[1].editY;
    EditX3 = groups_[2].editX;
    EditY3 = groups_[2].editY;
    ComboBoxType1 = groups_[0].choice;
    ComboBoxType2 = groups_[1].choice;
    ComboBoxType3 = groups_[2].choice;

    QWidget* previous = nullptr;
    for (const UnitGroup& group : groups_) {
        for (QWidget* next :
             {static_cast<QWidget*>(group.editX), static_cast<QWidget*>(group.editY),
              static_cast<QWidget*>(group.choice)}) {
            if (previous != nullptr) {
                setTabOrder(previous, next);
            }
            previous = next;
        }
    }
    setTabOrder(previous, ButtonOK);
    setTabOrder(ButtonOK, ButtonCancel);
    ProvinceGroupsDialog::Configure(move::CommandKind::PlaceUnits, {});
}

void ProvinceGroupsDialog::Configure(move::CommandKind kind, const edit::OrderFields& fields) {
    const auto& f = edit::FieldsOf<edit::ProvinceGroups>(fields);
    const edit::ProvinceGroupsSetup setup = edit::SetupProvinceGroupsDialog(kind);
    const bool choiceShown = !setup.choiceLabel.empty();
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        const UnitGroup& group = groups_[i];
        group.editX->setText(FromText(f.groups[i].x));
        group.editY->setText(FromText(f.groups[i].y));
        FillCombo(group.choice, setup.choices);
        if (!f.groups[i].choice.empty()) {
            SelectComboItem(group.choice, f.groups[i].choice);
        }
        group.box->setTitle(FromText(setup.groupCaptions[i]));
        group.labelProvince->setVisible(setup.provinceLabelsShown);
        group.labelChoice->setText(FromText(setup.choiceLabel));
        group.labelChoice->setVisible(choiceShown);
        group.choice->setVisible(choiceShown);
    }
}

edit::OrderFields ProvinceGroupsDialog::Fields() const {
    edit::ProvinceGroups f;
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        f.groups[i] = {ToText(groups_[i].editX->text()), ToText(groups_[i].editY->text()),
                       ComboText(groups_[i].choice)};
    }
    return f;
}

QWidget* ProvinceGroupsDialog::FirstField() const {
    return EditX1;
}

QWidget* ProvinceGroupsDialog::FieldControl(const edit::FieldRef& field) const {
    const UnitGroup& group = groups_[static_cast<std::size_t>(field.index) % groups_.size()];
    switch (field.name) {
    case edit::FieldName::X:
        return group.editX;
    case edit::FieldName::Y:
        return group.editY;
    case edit::FieldName::Choice:
        return group.choice;
    default:
        return nullptr;
    }
}

} // namespace orv::gui

#include "gui/movec2.h"

#include "core/edit/dialog_setup.h"
#include "gui/text_codec.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace orv::gui {

namespace {

constexpr int Group1Top = 32;

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
};

constexpr std::array<GroupNames, 3> Names{{
    {"GroupBoxUnit1", "LabelP1", "LabelX", "EditX1", "LabelY", "EditY1", "LabelType1",
     "ComboBoxType1"},
    {"GroupBoxUnit2", "LabelP2", "Label1", "EditX2", "Label2", "EditY2", "LabelType2",
     "ComboBoxType2"},
    {"GroupBoxUnit3", "LabelP3", "Label7", "EditX3", "Label8", "EditY3", "LabelType3",
     "ComboBoxType3"},
}};

TFormMoveC2::UnitGroup MakeGroup(QWidget* parent, const GroupNames& names) {
    TFormMoveC2::UnitGroup group{};
    group.box = new QGroupBox(parent);
    group.box->setObjectName(QString::fromLatin1(names.box));
    group.labelProvince = NamedLabel(group.box, names.labelProvince, "Province:");
    group.editX = NamedEdit(group.box, names.editX, ShortFieldWidth);
    group.editY = NamedEdit(group.box, names.editY, ShortFieldWidth);
    group.labelChoice = NamedLabel(group.box, names.labelChoice, "Type:");
    group.choice = NamedCombo(group.box, names.choice, false);

    auto* grid = new QGridLayout(group.box);
    grid->setContentsMargins(GroupMargins());
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    grid->addWidget(group.labelProvince, 0, 0);
    grid->addWidget(NamedLabel(group.box, names.labelX, "X:"), 0, 1);
    grid->addWidget(group.editX, 0, 2);
    grid->addWidget(NamedLabel(group.box, names.labelY, "Y:"), 0, 3);
    grid->addWidget(group.editY, 0, 4);
    grid->setColumnStretch(5, 1);
    grid->addWidget(group.labelChoice, 1, 0);
    grid->addWidget(group.choice, 1, 1, 1, 5);
    return group;
}

} // namespace

TFormMoveC2::TFormMoveC2(QWidget* parent, Notifier& messages)
    : TCommandDialog(parent, messages, "FormMoveC2") {
    SetClientWidth(FixedDialogWidth);
    LabelCommand->setGeometry(GroupLeft, 8, GroupWidth, 18);
    constexpr std::array<const char*, 3> pickNames{"ButtonPickOnMap1", "ButtonPickOnMap2",
                                                   "ButtonPickOnMap3"};
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        groups_[i] = MakeGroup(this, Names[i]);
        UnitGroup& group = groups_[i];
        if (auto* grid = qobject_cast<QGridLayout*>(group.box->layout())) {
            grid->addWidget(PickButton(group.box, pickNames[i], group.editX, group.editY), 0, 5,
                            Qt::AlignRight);
        }
    }
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
    TFormMoveC2::Configure(move::CommandKind::PlaceUnits, {});
}

void TFormMoveC2::Configure(move::CommandKind kind, const edit::OrderFields& fields) {
    const edit::UnitsDialogSetup setup = edit::SetupUnitsDialog(kind);
    const bool choiceShown = !setup.choiceLabel.empty();
    const std::array<int, 3> tops{Group1Top, setup.geometry.group2Top, setup.geometry.group3Top};
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        const UnitGroup& group = groups_[i];
        const int first = 3 * static_cast<int>(i) + 1;
        group.editX->setText(FromText(fields.At(first)));
        group.editY->setText(FromText(fields.At(first + 1)));
        FillCombo(group.choice, setup.choices);
        if (fields.Given(first + 2)) {
            SelectComboItem(group.choice, fields.At(first + 2));
        }
        group.box->setTitle(FromText(setup.groupCaptions[i]));
        group.labelProvince->setVisible(setup.provinceLabelsShown);
        group.labelChoice->setText(FromText(setup.choiceLabel));
        group.labelChoice->setVisible(choiceShown);
        group.choice->setVisible(choiceShown);
        group.box->setGeometry(GroupLeft, tops[i], GroupWidth, setup.geometry.groupHeight);
    }
    PlaceButtons(setup.geometry.buttonsTop, setup.geometry.height);
}

edit::OrderFields TFormMoveC2::Fields() const {
    edit::OrderFields fields;
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        const int first = 3 * static_cast<int>(i) + 1;
        fields.Set(first, ToText(groups_[i].editX->text()));
        fields.Set(first + 1, ToText(groups_[i].editY->text()));
        fields.Set(first + 2, ComboText(groups_[i].choice));
    }
    return fields;
}

QWidget* TFormMoveC2::FirstField() const {
    return EditX1;
}

} // namespace orv::gui

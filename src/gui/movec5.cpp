#include "gui/movec5.h"

#include "core/edit/dialog_setup.h"
#include "gui/movec4.h"
#include "gui/text_codec.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace orv::gui {

namespace {

constexpr int PlayerTop = 86;

} // namespace

TFormMoveC5::TFormMoveC5(QWidget* parent, Notifier& messages, const report::Game& game)
    : TCommandDialog(parent, messages, "FormMoveC5"),
      GroupBox1(new QGroupBox(QStringLiteral("Province"), this)),
      EditX(NamedEdit(GroupBox1, "EditX", ShortFieldWidth)),
      EditY(NamedEdit(GroupBox1, "EditY", ShortFieldWidth)),
      Label1(NamedLabel(this, "Label1", "Player Number:")),
      ComboBoxPlayer(NamedCombo(this, "ComboBoxPlayer", true)), game_(game) {
    SetClientWidth(FixedDialogWidth);
    LabelCommand->setGeometry(GroupLeft, 8, GroupWidth, 18);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(GroupLeft, 32, GroupWidth, 46);
    auto* row = new QHBoxLayout(GroupBox1);
    row->setContentsMargins(GroupMargins());
    row->setSpacing(6);
    row->addWidget(NamedLabel(GroupBox1, "LabelX", "X:"));
    row->addWidget(EditX);
    row->addSpacing(16);
    row->addWidget(NamedLabel(GroupBox1, "LabelY", "Y:"));
    row->addWidget(EditY);
    row->addStretch();
    row->addWidget(PickButton(GroupBox1, "ButtonPickOnMap", EditX, EditY));

    const int labelWidth = Label1->sizeHint().width();
    Label1->setGeometry(GroupLeft + 2, PlayerTop, labelWidth, 24);
    const int comboLeft = GroupLeft + 2 + labelWidth + 8;
    ComboBoxPlayer->setGeometry(comboLeft, PlayerTop, FixedDialogWidth - GroupLeft - comboLeft, 24);
    OnFocusLeave(ComboBoxPlayer, [this] { ComboBoxPlayerExit(); });
    setTabOrder(EditX, EditY);
    setTabOrder(EditY, ComboBoxPlayer);
    setTabOrder(ComboBoxPlayer, ButtonOK);
    setTabOrder(ButtonOK, ButtonCancel);
    TFormMoveC5::Configure(move::CommandKind::CedeProvince, {});
}

void TFormMoveC5::Configure(move::CommandKind kind, const edit::OrderFields& fields) {
    EditX->setText(FromText(fields.At(1)));
    EditY->setText(FromText(fields.At(2)));
    FillPlayerChoices(ComboBoxPlayer, game_, fields.At(3));
    const edit::ProvinceDialogSetup setup = edit::SetupProvinceDialog(kind);
    Label1->setVisible(setup.playerShown);
    ComboBoxPlayer->setVisible(setup.playerShown);
    PlaceButtons(setup.buttonsTop, setup.height);
}

edit::OrderFields TFormMoveC5::Fields() const {
    edit::OrderFields fields;
    fields.Set(1, ToText(EditX->text()));
    fields.Set(2, ToText(EditY->text()));
    fields.Set(3, ComboText(ComboBoxPlayer));
    return fields;
}

void TFormMoveC5::ComboBoxPlayerExit() {
    CutToPlayerNumber(ComboBoxPlayer);
}

QWidget* TFormMoveC5::FirstField() const {
    return EditX;
}

} // namespace orv::gui

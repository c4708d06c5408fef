#include "gui/province_dialog.h"

#include "core/edit/dialog_setup.h"
#include "gui/alliance_dialog.h"
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

ProvinceDialog::ProvinceDialog(QWidget* parent, Notifier& messages, const report::Game& game)
    : CommandDialogBase(parent, messages, "FormMoveC5"),
      GroupBox1(NamedGroup(this, "GroupBox1", "Province")),
      EditX(NamedNumberEdit(GroupBox1, "EditX")), EditY(NamedNumberEdit(GroupBox1, "EditY")),
      Label1(NamedLabel(this, "Label1", "Player Number:")),
      ComboBoxPlayer(NamedCombo(this, "ComboBoxPlayer", true)), game_(game) {
    auto* row = new QHBoxLayout(GroupBox1);
    row->setContentsMargins(GroupMargins(GroupBox1));
    row->addWidget(NamedLabel(GroupBox1, "LabelX", "X:"));
    row->addWidget(EditX);
    row->addSpacing(16);
    row->addWidget(NamedLabel(GroupBox1, "LabelY", "Y:"));
    row->addWidget(EditY);
    row->addStretch();
    row->addWidget(PickButton(GroupBox1, "ButtonPickOnMap", EditX, EditY));

    auto* player = new QHBoxLayout;
    player->addWidget(Label1);
    player->addWidget(ComboBoxPlayer, 1);
    auto* body = new QVBoxLayout;
    body->addWidget(GroupBox1);
    body->addLayout(player);
    StackWithButtons(body, UsualColumns);

    // The box alone is called on, as it may lose the focus while the dialog is destroyed.
    OnFocusLeave(ComboBoxPlayer, [box = ComboBoxPlayer] { CutToPlayerNumber(box); });
    setTabOrder(EditX, EditY);
    setTabOrder(EditY, ComboBoxPlayer);
    setTabOrder(ComboBoxPlayer, ButtonOK);
    setTabOrder(ButtonOK, ButtonCancel);
    ProvinceDialog::Configure(move::CommandKind::CedeProvince, {});
}

void ProvinceDialog::Configure(move::CommandKind kind, const edit::OrderFields& fields) {
    const auto& f = edit::FieldsOf<edit::ProvinceFields>(fields);
    EditX->setText(FromText(f.x));
    EditY->setText(FromText(f.y));
    FillPlayerChoices(ComboBoxPlayer, game_, f.player);
    const edit::ProvinceDialogSetup setup = edit::SetupProvinceDialog(kind);
    Label1->setVisible(setup.playerShown);
    ComboBoxPlayer->setVisible(setup.playerShown);
}

edit::OrderFields ProvinceDialog::Fields() const {
    return edit::ProvinceFields{ToText(EditX->text()), ToText(EditY->text()),
                                ComboText(ComboBoxPlayer)};
}

void ProvinceDialog::ComboBoxPlayerExit() {
    CutToPlayerNumber(ComboBoxPlayer);
}

QWidget* ProvinceDialog::FirstField() const {
    return EditX;
}

QWidget* ProvinceDialog::FieldControl(const edit::FieldRef& field) const {
    return ProvinceOrOther(field, EditX, EditY, ComboBoxPlayer);
}

} // namespace orv::gui

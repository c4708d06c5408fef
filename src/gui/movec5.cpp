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

namespace orv::gui {

namespace {

constexpr int Width = 300;
constexpr int Left = 8;
constexpr int PlayerTop = 86;

} // namespace

TFormMoveC5::TFormMoveC5(QWidget* parent, Notifier& messages, const report::Game& game)
    : TCommandDialog(parent, messages, "FormMoveC5"),
      GroupBox1(new QGroupBox(QStringLiteral("Province"), this)),
      EditX(NamedEdit(GroupBox1, "EditX", 56)), EditY(NamedEdit(GroupBox1, "EditY", 56)),
      Label1(NamedLabel(this, "Label1", "Player Number:")),
      ComboBoxPlayer(NamedCombo(this, "ComboBoxPlayer", true)), game_(game) {
    SetClientWidth(Width);
    LabelCommand->setGeometry(Left, 8, Width - 2 * Left, 18);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(Left, 32, Width - 2 * Left, 46);
    auto* row = new QHBoxLayout(GroupBox1);
    row->setContentsMargins(GroupMargins());
    row->setSpacing(6);
    row->addWidget(NamedLabel(GroupBox1, "LabelX", "X:"));
    row->addWidget(EditX);
    row->addSpacing(16);
    row->addWidget(NamedLabel(GroupBox1, "LabelY", "Y:"));
    row->addWidget(EditY);
    row->addStretch();

    const int labelWidth = Label1->sizeHint().width();
    Label1->setGeometry(Left + 2, PlayerTop, labelWidth, 24);
    const int comboLeft = Left + 2 + labelWidth + 8;
    ComboBoxPlayer->setGeometry(comboLeft, PlayerTop, Width - Left - comboLeft, 24);
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

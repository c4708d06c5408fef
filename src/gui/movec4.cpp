#include "gui/movec4.h"

#include "core/edit/dialog_setup.h"
#include "core/edit/validate.h"
#include "core/move/codes.h"
#include "gui/text_codec.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

namespace orv::gui {

void FillPlayerChoices(QComboBox* box, const report::Game& game, const std::string& text) {
    std::vector<std::string> entries;
    move::FillTribeChoices(entries, game.tribes);
    FillCombo(box, entries);
    box->setEditText(FromText(text));
}

void CutToPlayerNumber(QComboBox* box) {
    const std::string text = ToText(box->currentText());
    const std::string number = edit::PlayerNumberText(text);
    if (number != text) {
        box->setEditText(FromText(number));
    }
}

TFormMoveC4::TFormMoveC4(QWidget* parent, Notifier& messages, const report::Game& game)
    : TCommandDialog(parent, messages, "FormMoveC4"),
      ComboBoxPlayer(NamedCombo(this, "ComboBoxPlayer", true)),
      ComboBoxStatus(NamedCombo(this, "ComboBoxStatus", false)), game_(game) {
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(NamedLabel(this, "Label1", "Player Number:"), ComboBoxPlayer);
    form->addRow(NamedLabel(this, "Label2", "Status:"), ComboBoxStatus);
    StackWithButtons(form, FixedDialogWidth);
    OnFocusLeave(ComboBoxPlayer, [this] { ComboBoxPlayerExit(); });
}

void TFormMoveC4::Configure(move::CommandKind, const edit::OrderFields& fields) {
    ComboBoxStatus->clear();
    FillPlayerChoices(ComboBoxPlayer, game_, fields.At(1));
    FillCombo(ComboBoxStatus, edit::StatusEntries());
    if (fields.Given(2)) {
        SelectComboItem(ComboBoxStatus, fields.At(2));
    }
}

edit::OrderFields TFormMoveC4::Fields() const {
    edit::OrderFields fields;
    fields.Set(1, ComboText(ComboBoxPlayer));
    fields.Set(2, ComboText(ComboBoxStatus));
    return fields;
}

void TFormMoveC4::ComboBoxPlayerExit() {
    CutToPlayerNumber(ComboBoxPlayer);
}

QWidget* TFormMoveC4::FirstField() const {
    return ComboBoxPlayer;
}

} // namespace orv::gui

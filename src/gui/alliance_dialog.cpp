#include "gui/alliance_dialog.h"

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

AllianceDialog::AllianceDialog(QWidget* parent, Notifier& messages, const report::Game& game)
    : CommandDialogBase(parent, messages, "FormMoveC4"),
      ComboBoxPlayer(NamedCombo(this, "ComboBoxPlayer", true)),
      ComboBoxStatus(NamedCombo(this, "ComboBoxStatus", false)), game_(game) {
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(NamedLabel(this, "Label1", "Player Number:"), ComboBoxPlayer);
    form->addRow(NamedLabel(this, "Label2", "Status:"), ComboBoxStatus);
    StackWithButtons(form, UsualColumns);
    // The box alone is called on, as it may lose the focus while the dialog is destroyed.
    OnFocusLeave(ComboBoxPlayer, [box = ComboBoxPlayer] { CutToPlayerNumber(box); });
}

void AllianceDialog::Configure(move::CommandKind, const edit::OrderFields& fields) {
    const auto& f = edit::FieldsOf<edit::AllianceFields>(fields);
    ComboBoxStatus->clear();
    FillPlayerChoices(ComboBoxPlayer, game_, f.player);
    FillCombo(ComboBoxStatus, edit::StatusEntries());
    if (!f.status.empty()) {
        SelectComboItem(ComboBoxStatus, f.status);
    }
}

edit::OrderFields AllianceDialog::Fields() const {
    return edit::AllianceFields{ComboText(ComboBoxPlayer), ComboText(ComboBoxStatus)};
}

void AllianceDialog::ComboBoxPlayerExit() {
    CutToPlayerNumber(ComboBoxPlayer);
}

QWidget* AllianceDialog::FirstField() const {
    return ComboBoxPlayer;
}

QWidget* AllianceDialog::FieldControl(const edit::FieldRef& field) const {
    return field.name == edit::FieldName::Status ? ComboBoxStatus : ComboBoxPlayer;
}

} // namespace orv::gui

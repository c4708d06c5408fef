#pragma once
// The troop movement dialog: land and sea movements and raids out of one province, with
// up to three groups of troops, a tactic for land movements and the path as direction
// letters.

#include "gui/command_dialog.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLineEdit;

namespace orv::gui {

// Land and sea movements and raids; the form of old called TFormMoveC1.
class MovementDialog : public CommandDialogBase {
    Q_OBJECT
  public:
    MovementDialog(QWidget* parent, Notifier& messages);

    edit::OrderFields Fields() const override;

    QGroupBox* GroupBoxProvince;
    QLineEdit* EditX;
    QLineEdit* EditY;
    QGroupBox* GroupBoxTroop1;
    QLineEdit* EditNumber1;
    QComboBox* ComboBoxType1;
    QGroupBox* GroupBoxTroop2;
    QLineEdit* EditNumber2;
    QComboBox* ComboBoxType2;
    QGroupBox* GroupBoxTroop3;
    QLineEdit* EditNumber3;
    QComboBox* ComboBoxType3;
    QGroupBox* GroupBoxTactic;
    QComboBox* ComboBoxTactic;
    QGroupBox* GroupBoxDirection;
    QComboBox* ComboBoxDirection;
    QLineEdit* EditDirection;

  public slots:
    // A direction picked from the open list (by a click or Enter) adds its step to the path.
    void ComboBoxDirectionChange(int index);

  protected:
    void Configure(move::CommandKind kind, const edit::OrderFields& fields) override;
    QWidget* FirstField() const override;
    QWidget* FieldControl(const edit::FieldRef& field) const override;
    // The map previews the order from the dialog's opening on.
    void showEvent(QShowEvent* event) override;

  private:
    // The troop groups' number fields and type lists, first group first.
    std::array<QLineEdit*, 3> numbers_{};
    std::array<QComboBox*, 3> types_{};
};

} // namespace orv::gui

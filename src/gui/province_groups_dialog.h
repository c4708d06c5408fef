#pragma once
// The province-groups dialog: placements, defensive orders and espionage for up to three
// provinces, each with a troop type, a tactic or nothing. One window with three equal
// groups is relabelled for each command, and hides the choices espionage has none of.

#include "gui/command_dialog.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace orv::gui {

// Placements, defensive orders and espionage; the form of old called TFormMoveC2.
class ProvinceGroupsDialog : public CommandDialogBase {
    Q_OBJECT
  public:
    ProvinceGroupsDialog(QWidget* parent, Notifier& messages);

    edit::OrderFields Fields() const override;

    // One province group: its province labels, X and Y fields, choice label and list.
    struct UnitGroup {
        QGroupBox* box;
        QLabel* labelProvince;
        QLineEdit* editX;
        QLineEdit* editY;
        QLabel* labelChoice;
        QComboBox* choice;
    };
    const UnitGroup& Group(int n) const { return groups_.at(static_cast<std::size_t>(n - 1)); }

    QGroupBox* GroupBoxUnit1;
    QGroupBox* GroupBoxUnit2;
    QGroupBox* GroupBoxUnit3;
    QLineEdit* EditX1;
    QLineEdit* EditY1;
    QLineEdit* EditX2;
    QLineEdit* EditY2;
    QLineEdit* EditX3;
    QLineEdit* EditY3;
    QComboBox* ComboBoxType1;
    QComboBox* ComboBoxType2;
    QComboBox* ComboBoxType3;

  protected:
    void Configure(move::CommandKind kind, const edit::OrderFields& fields) override;
    QWidget* FirstField() const override;
    QWidget* FieldControl(const edit::FieldRef& field) const override;

  private:
    std::array<UnitGroup, 3> groups_{};
};

} // namespace orv::gui

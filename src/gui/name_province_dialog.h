#pragma once
// The dialog that names a province: its coordinates and the new name.

#include "gui/command_dialog.h"

class QGroupBox;
class QLineEdit;

namespace orv::gui {

// Naming a province; the form of old called TFormMoveC3.
class NameProvinceDialog : public CommandDialogBase {
    Q_OBJECT
  public:
    NameProvinceDialog(QWidget* parent, Notifier& messages);

    edit::OrderFields Fields() const override;

    QGroupBox* GroupBox1;
    QLineEdit* EditX;
    QLineEdit* EditY;
    QLineEdit* EditNewName;

  protected:
    void Configure(move::CommandKind kind, const edit::OrderFields& fields) override;
    QWidget* FirstField() const override;
    QWidget* FieldControl(const edit::FieldRef& field) const override;
};

} // namespace orv::gui

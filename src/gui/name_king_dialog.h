#pragma once
// The dialog that names the ruler of the user's tribe.

#include "gui/command_dialog.h"

class QLineEdit;

namespace orv::gui {

// Naming the queen or king; the form of old called TFormMoveC6.
class NameKingDialog : public CommandDialogBase {
    Q_OBJECT
  public:
    NameKingDialog(QWidget* parent, Notifier& messages);

    edit::OrderFields Fields() const override;

    QLineEdit* EditName;

  protected:
    void Configure(move::CommandKind kind, const edit::OrderFields& fields) override;
    QWidget* FirstField() const override;
    QWidget* FieldControl(const edit::FieldRef&) const override { return EditName; }
};

} // namespace orv::gui

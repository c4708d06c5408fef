#pragma once
// The dialog that names the ruler of the user's tribe.

#include "gui/command_dialog.h"

class QLineEdit;

namespace orv::gui {

class TFormMoveC6 : public TCommandDialog {
    Q_OBJECT
  public:
    TFormMoveC6(QWidget* parent, Notifier& messages);

    edit::OrderFields Fields() const override;

    QLineEdit* EditName;

  protected:
    void Configure(move::CommandKind kind, const edit::OrderFields& fields) override;
    QWidget* FirstField() const override;
};

} // namespace orv::gui

#pragma once
// The dialog that names a province: its coordinates and the new name.

#include "gui/command_dialog.h"

class QGroupBox;
class QLineEdit;

namespace orv::gui {

class TFormMoveC3 : public TCommandDialog {
    Q_OBJECT
  public:
    TFormMoveC3(QWidget* parent, Notifier& messages);

    edit::OrderFields Fields() const override;

    QGroupBox* GroupBox1;
    QLineEdit* EditX;
    QLineEdit* EditY;
    QLineEdit* EditNewName;

  protected:
    void Configure(move::CommandKind kind, const edit::OrderFields& fields) override;
    QWidget* FirstField() const override;
};

} // namespace orv::gui

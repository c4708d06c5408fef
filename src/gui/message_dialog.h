#pragma once
// The dialog that edits the block of messages to other players, as one text of several
// lines.

#include "gui/command_dialog.h"

class QPlainTextEdit;

namespace orv::gui {

// The messages after "END"; the form of old called TFormMoveC7.
class MessageDialog : public CommandDialogBase {
    Q_OBJECT
  public:
    MessageDialog(QWidget* parent, Notifier& messages);

    edit::OrderFields Fields() const override;

    QPlainTextEdit* Memo;

  protected:
    void Configure(move::CommandKind kind, const edit::OrderFields& fields) override;
    QWidget* FirstField() const override;
    QWidget* FieldControl(const edit::FieldRef&) const override;
};

} // namespace orv::gui

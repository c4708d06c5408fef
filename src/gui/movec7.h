#pragma once
// The dialog that edits the block of messages to other players, as one text of several
// lines.

#include "gui/command_dialog.h"

class QPlainTextEdit;

namespace orv::gui {

class TFormMoveC7 : public TCommandDialog {
    Q_OBJECT
  public:
    TFormMoveC7(QWidget* parent, Notifier& messages);

    edit::OrderFields Fields() const override;

    QPlainTextEdit* Memo;

  protected:
    void Configure(move::CommandKind kind, const edit::OrderFields& fields) override;
    QWidget* FirstField() const override;
};

} // namespace orv::gui

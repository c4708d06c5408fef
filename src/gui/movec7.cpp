#include "gui/movec7.h"

#include "gui/text_codec.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace orv::gui {

TFormMoveC7::TFormMoveC7(QWidget* parent, Notifier& messages)
    : TCommandDialog(parent, messages, "FormMoveC7"), Memo(new QPlainTextEdit(this)) {
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setFixedHeight(220);
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Enter starts a new line of the message; Tab leaves the field.
    Memo->setTabChangesFocus(true);
    auto* body = new QVBoxLayout;
    body->addWidget(Memo);
    StackWithButtons(body, 440);
}

void TFormMoveC7::Configure(move::CommandKind, const edit::OrderFields& fields) {
    // The field separates lines with LF; the composer splits at CR LF, LF or CR alike.
    Memo->setPlainText(FromCrLfText(fields.At(1)));
}

edit::OrderFields TFormMoveC7::Fields() const {
    edit::OrderFields fields;
    fields.Set(1, ToText(Memo->toPlainText()));
    return fields;
}

QWidget* TFormMoveC7::FirstField() const {
    return Memo;
}

} // namespace orv::gui

#include "gui/message_dialog.h"

#include "gui/text_codec.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace orv::gui {

namespace {

// The text field shows this many lines before it scrolls.
constexpr int ShownLines = 13;

} // namespace

MessageDialog::MessageDialog(QWidget* parent, Notifier& messages)
    : CommandDialogBase(parent, messages, "FormMoveC7"), Memo(new QPlainTextEdit(this)) {
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setMinimumHeight(Memo->fontMetrics().lineSpacing() * ShownLines);
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Enter starts a new line of the message; Tab leaves the field.
    Memo->setTabChangesFocus(true);
    auto* body = new QVBoxLayout;
    body->addWidget(Memo);
    // Room for a line of a message as a mail carries it.
    constexpr int MessageColumns = 68;
    StackWithButtons(body, MessageColumns);
}

void MessageDialog::Configure(move::CommandKind, const edit::OrderFields& fields) {
    // The field separates lines with LF; the composer splits at CR LF, LF or CR alike.
    Memo->setPlainText(FromCrLfText(edit::FieldsOf<edit::MessageFields>(fields).text));
}

edit::OrderFields MessageDialog::Fields() const {
    return edit::MessageFields{ToText(PlainTextOf(*Memo->document()))};
}

QWidget* MessageDialog::FirstField() const {
    return Memo;
}

QWidget* MessageDialog::FieldControl(const edit::FieldRef&) const {
    return Memo;
}

} // namespace orv::gui

#include "gui/movec6.h"

#include "gui/text_codec.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace orv::gui {

TFormMoveC6::TFormMoveC6(QWidget* parent, Notifier& messages)
    : TCommandDialog(parent, messages, "FormMoveC6"), EditName(NamedEdit(this, "EditName", 0)) {
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(NamedLabel(this, "Label1", "Name:"), EditName);
    StackWithButtons(form, 320);
}

void TFormMoveC6::Configure(move::CommandKind, const edit::OrderFields& fields) {
    EditName->setText(FromText(fields.At(1)));
}

edit::OrderFields TFormMoveC6::Fields() const {
    edit::OrderFields fields;
    fields.Set(1, ToText(EditName->text()));
    return fields;
}

QWidget* TFormMoveC6::FirstField() const {
    return EditName;
}

} // namespace orv::gui

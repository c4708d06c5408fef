#include "gui/name_king_dialog.h"

#include "gui/text_codec.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace orv::gui {

NameKingDialog::NameKingDialog(QWidget* parent, Notifier& messages)
    : CommandDialogBase(parent, messages, "FormMoveC6"), EditName(NamedEdit(this, "EditName")) {
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(NamedLabel(this, "Label1", "Name:"), EditName);
    // A king's name is longer than a field of coordinates.
    constexpr int NameColumns = 48;
    StackWithButtons(form, NameColumns);
}

void NameKingDialog::Configure(move::CommandKind, const edit::OrderFields& fields) {
    EditName->setText(FromText(edit::FieldsOf<edit::NamingFields>(fields).name));
}

edit::OrderFields NameKingDialog::Fields() const {
    edit::NamingFields f;
    f.name = ToText(EditName->text());
    return f;
}

QWidget* NameKingDialog::FirstField() const {
    return EditName;
}

} // namespace orv::gui

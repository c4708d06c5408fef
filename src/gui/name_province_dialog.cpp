#include "gui/name_province_dialog.h"

#include "gui/text_codec.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace orv::gui {

NameProvinceDialog::NameProvinceDialog(QWidget* parent, Notifier& messages)
    : CommandDialogBase(parent, messages, "FormMoveC3"),
      GroupBox1(NamedGroup(this, "GroupBox1", "Province")),
      EditX(NamedNumberEdit(GroupBox1, "EditX")), EditY(NamedNumberEdit(GroupBox1, "EditY")),
      EditNewName(NamedEdit(GroupBox1, "EditNewName")) {
    auto* grid = new QGridLayout(GroupBox1);
    grid->setContentsMargins(GroupMargins(GroupBox1));
    grid->addWidget(NamedLabel(GroupBox1, "LabelX", "X:"), 0, 0);
    grid->addWidget(EditX, 0, 1);
    grid->addWidget(NamedLabel(GroupBox1, "LabelY", "Y:"), 0, 2);
    grid->addWidget(EditY, 0, 3);
    grid->setColumnStretch(4, 1);
    grid->addWidget(PickButton(GroupBox1, "ButtonPickOnMap", EditX, EditY), 0, 5);
    grid->addWidget(NamedLabel(GroupBox1, "Label1", "New Name:"), 1, 0, 1, 2);
    grid->addWidget(EditNewName, 2, 0, 1, 6);
    auto* body = new QVBoxLayout;
    body->addWidget(GroupBox1);
    StackWithButtons(body, UsualColumns);
}

void NameProvinceDialog::Configure(move::CommandKind, const edit::OrderFields& fields) {
    const auto& f = edit::FieldsOf<edit::NamingFields>(fields);
    EditX->setText(FromText(f.x));
    EditY->setText(FromText(f.y));
    EditNewName->setText(FromText(f.name));
}

edit::OrderFields NameProvinceDialog::Fields() const {
    return edit::NamingFields{ToText(EditX->text()), ToText(EditY->text()),
                              ToText(EditNewName->text())};
}

QWidget* NameProvinceDialog::FirstField() const {
    return EditX;
}

QWidget* NameProvinceDialog::FieldControl(const edit::FieldRef& field) const {
    return ProvinceOrOther(field, EditX, EditY, EditNewName);
}

} // namespace orv::gui

#include "gui/movec3.h"

#include "gui/text_codec.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace orv::gui {

TFormMoveC3::TFormMoveC3(QWidget* parent, Notifier& messages)
    : TCommandDialog(parent, messages, "FormMoveC3"),
      GroupBox1(new QGroupBox(QStringLiteral("Province"), this)),
      EditX(NamedEdit(GroupBox1, "EditX", ShortFieldWidth)),
      EditY(NamedEdit(GroupBox1, "EditY", ShortFieldWidth)),
      EditNewName(NamedEdit(GroupBox1, "EditNewName", 0)) {
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* grid = new QGridLayout(GroupBox1);
    grid->setContentsMargins(8, 12, 8, 8);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    grid->addWidget(NamedLabel(GroupBox1, "LabelX", "X:"), 0, 0);
    grid->addWidget(EditX, 0, 1);
    grid->addWidget(NamedLabel(GroupBox1, "LabelY", "Y:"), 0, 2);
    grid->addWidget(EditY, 0, 3);
    grid->setColumnStretch(4, 1);
    grid->addWidget(PickButton(GroupBox1, "ButtonPickOnMap", EditX, EditY), 0, 5);
    grid->addWidget(NamedLabel(GroupBox1, "Label1", "New Name:"), 1, 0, 1, 2);
    grid->addWidget(EditNewName, 2, 0, 1, 5);
    auto* body = new QVBoxLayout;
    body->addWidget(GroupBox1);
    StackWithButtons(body, FixedDialogWidth);
}

void TFormMoveC3::Configure(move::CommandKind, const edit::OrderFields& fields) {
    EditX->setText(FromText(fields.At(1)));
    EditY->setText(FromText(fields.At(2)));
    EditNewName->setText(FromText(fields.At(3)));
}

edit::OrderFields TFormMoveC3::Fields() const {
    edit::OrderFields fields;
    fields.Set(1, ToText(EditX->text()));
    fields.Set(2, ToText(EditY->text()));
    fields.Set(3, ToText(EditNewName->text()));
    return fields;
}

QWidget* TFormMoveC3::FirstField() const {
    return EditX;
}

} // namespace orv::gui

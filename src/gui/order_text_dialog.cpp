#include "gui/order_text_dialog.h"

#include "core/edit/order_text.h"
#include "gui/placement.h"
#include "gui/text_codec.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace orv::gui {

namespace {

// The Move menu's help: the order text editor is one of its items.
constexpr int MoveMenuHelp = 360;

} // namespace

OrderTextDialog::OrderTextDialog(QWidget* parent)
    : QDialog(parent), EditOrder(new QLineEdit(this)), LabelFindings(new QLabel(this)) {
    setObjectName(QStringLiteral("OrderTextDialog"));
    setWindowTitle(QStringLiteral("Edit Order Text"));
    setModal(true);
    auto* caption = new QLabel(QStringLiteral("&Order:"), this);
    caption->setBuddy(EditOrder);
    EditOrder->setObjectName(QStringLiteral("EditOrder"));
    EditOrder->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // A whole order fits at the size the window opens with.
    constexpr int OrderColumns = 60;
    EditOrder->setMinimumWidth(EditOrder->fontMetrics().horizontalAdvance(QLatin1Char('0')) *
                               OrderColumns);
    LabelFindings->setObjectName(QStringLiteral("LabelFindings"));
    LabelFindings->setWordWrap(true);
    LabelFindings->setTextFormat(Qt::PlainText);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ButtonOK = buttons->button(QDialogButtonBox::Ok);
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    ButtonCancel = buttons->button(QDialogButtonBox::Cancel);
    ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(EditOrder);
    layout->addWidget(LabelFindings);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(EditOrder, &QLineEdit::textChanged, this, &OrderTextDialog::ShowFindings);
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, [this] { emit HelpRequested(MoveMenuHelp); });
}

void OrderTextDialog::ShowFindings() {
    const edit::OrderTextCheck check = edit::CheckOrderText(
        ToText(EditOrder->text()), context_ ? context_() : move::GrammarContext{});
    QStringList lines;
    for (const std::string& message : check.messages) {
        lines.append(FromText(message));
    }
    LabelFindings->setText(lines.join(QLatin1Char('\n')));
    ButtonOK->setEnabled(check.order);
}

std::optional<std::string> OrderTextDialog::EditText(const std::string& raw) {
    EditOrder->setText(FromText(raw));
    ShowFindings();
    EditOrder->setFocus(Qt::OtherFocusReason);
    CenterOnScreen(this);
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return ToText(EditOrder->text());
}

} // namespace orv::gui

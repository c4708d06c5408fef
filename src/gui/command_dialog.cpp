#include "gui/command_dialog.h"

#include "core/edit/combo_choice.h"
#include "gui/placement.h"
#include "gui/services.h"
#include "gui/text_codec.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>
#include <QVBoxLayout>

namespace orv::gui {

namespace {

// The room between the window's edge and its parts, and between the parts.
constexpr int Spacing = 8;

// Group captions sit on the frame line: the frame starts half a text line below the top of
// the group, so the caption above it never reaches into the controls.
QString GroupStyle(const QFontMetrics& metrics) {
    return QStringLiteral(
               "QGroupBox { border: 1px solid palette(mid); border-radius: 3px; margin-top: %1px; }"
               "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }")
        .arg((metrics.height() + 1) / 2);
}

QPushButton* DialogButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

class FocusLeaveFilter final : public QObject {
  public:
    FocusLeaveFilter(QObject* parent, std::function<void()> leave)
        : QObject(parent), leave_(std::move(leave)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            leave_();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> leave_;
};

} // namespace

CommandDialogBase::CommandDialogBase(QWidget* parent, Notifier& messages, const char* objectName)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      LabelCommand(NamedLabel(this, "LabelCommand", "LabelCommand")),
      ButtonOK(DialogButton(this, "ButtonOK", "OK")),
      ButtonCancel(DialogButton(this, "ButtonCancel", "Cancel")),
      ownMessages_(messages.ForWindow(this)), messages_(ownMessages_ ? *ownMessages_ : messages) {
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(QStringLiteral("Command"));
    setModal(true);
    setStyleSheet(GroupStyle(fontMetrics()));
    QFont bold = LabelCommand->font();
    bold.setBold(true);
    LabelCommand->setFont(bold);
    ButtonOK->setDefault(true);
    ButtonCancel->setAutoDefault(false);
    connect(ButtonOK, &QPushButton::clicked, this, &CommandDialogBase::ButtonOKClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &CommandDialogBase::ButtonCancelClick);

    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, [this] { emit HelpRequested(HelpContext()); });
}

CommandDialogBase::~CommandDialogBase() = default;

void CommandDialogBase::ShowCommand(move::DisplayForm listForm, move::CommandKind kind,
                                    const edit::OrderFields& fields) {
    Prepare(listForm, kind, fields);
    CenterOnScreen(this);
    exec();
}

void CommandDialogBase::Prepare(move::DisplayForm listForm, move::CommandKind kind,
                                const edit::OrderFields& fields) {
    kind_ = kind;
    LabelCommand->setText(FromText(move::CommandCaption(kind, listForm)));
    Configure(kind, fields);
}

int CommandDialogBase::HelpContext() const {
    return move::InfoOf(kind_).helpTopic;
}

void CommandDialogBase::ButtonOKClick() {
    FinishEditing();
    const edit::OrderFields fields = Fields();
    const edit::ValidationContext context = validation_ ? validation_() : edit::ValidationContext{};
    if (const auto failed = edit::ValidateOrderFields(kind_, fields, context)) {
        messages_.Error(FromText(failed->text));
        // Typing goes on in the field the message is about, not on OK, where Enter would
        // raise the same message again.
        if (QWidget* control = FieldControl(failed->field)) {
            control->setFocus(Qt::OtherFocusReason);
        }
        return;
    }
    if (!KeepsTypedText()) {
        return;
    }
    Compose(fields);
    accept();
}

bool CommandDialogBase::KeepsTypedText() {
    // Each field that holds characters a move file cannot hold asks on its own, so that
    // the places it names are places in that field; No goes back to it.
    for (QLineEdit* field : findChildren<QLineEdit*>()) {
        if (!KeepsUnwritable(messages_, field->text(), false)) {
            field->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    for (QPlainTextEdit* field : findChildren<QPlainTextEdit*>()) {
        if (!KeepsUnwritable(messages_, PlainTextOf(*field->document()), true)) {
            field->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    return true;
}

void CommandDialogBase::ButtonCancelClick() {
    Compose(edit::OrderFields{});
    QDialog::reject();
}

void CommandDialogBase::reject() {
    ButtonCancelClick();
}

void CommandDialogBase::Compose(const edit::OrderFields& fields) {
    if (composer_) {
        composer_(kind_, fields);
    }
}

void CommandDialogBase::StackWithButtons(QLayout* body, int minimumColumns) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ButtonOK);
    buttons->addWidget(ButtonCancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Spacing, Spacing, Spacing, Spacing);
    layout->setSpacing(Spacing);
    layout->addWidget(LabelCommand);
    layout->addLayout(body);
    layout->addLayout(buttons);
    LabelCommand->setMinimumWidth(fontMetrics().averageCharWidth() * minimumColumns);
    // The window follows its parts: it shrinks when a command hides some and grows with
    // the font.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CommandDialogBase::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QWidget* first = FirstField()) {
        first->setFocus(Qt::OtherFocusReason);
    }
}

void CommandDialogBase::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (preview_) {
        preview_(kind_, edit::OrderFields{});
    }
}

void CommandDialogBase::ShowPreview() {
    if (preview_ && isVisible()) {
        preview_(kind_, Fields());
    }
}

QToolButton* CommandDialogBase::PickButton(QWidget* parent, const char* name, QLineEdit* x,
                                           QLineEdit* y) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(QStringLiteral("Pick on map"));
    button->setToolTip(QStringLiteral("Click a province on the graphical map to fill X and Y"));
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::clicked, this, [this, x, y] {
        if (!picker_) {
            return;
        }
        picker_(this,
                [fieldX = QPointer<QLineEdit>(x), fieldY = QPointer<QLineEdit>(y)](int px, int py) {
                    if (fieldX && fieldY) {
                        fieldX->setText(QString::number(px));
                        fieldY->setText(QString::number(py));
                    }
                });
    });
    return button;
}

QSize NumberEdit::sizeHint() const {
    // Five digits, with the room the style puts around the text of a line edit.
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QMargins text = textMargins();
    const QSize inner(fontMetrics().horizontalAdvance(QStringLiteral("00000")) + text.left() +
                          text.right() + 4,
                      QLineEdit::sizeHint().height());
    const QSize outer = style()->sizeFromContents(QStyle::CT_LineEdit, &option, inner, this);
    return {outer.width(), QLineEdit::sizeHint().height()};
}

void SelectComboItem(QComboBox* box, const std::string& text) {
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(box->count()));
    for (int i = 0; i < box->count(); ++i) {
        entries.push_back(ToText(box->itemText(i)));
    }
    if (const auto found = edit::SelectComboItem(entries, text)) {
        box->setCurrentIndex(static_cast<int>(*found));
    }
}

void FillCombo(QComboBox* box, const std::vector<std::string>& entries) {
    box->clear();
    for (const std::string& entry : entries) {
        box->addItem(FromText(entry));
    }
    box->setCurrentIndex(-1);
}

std::string ComboText(const QComboBox* box) {
    return ToText(box->currentText());
}

void OnFocusLeave(QComboBox* box, std::function<void()> leave) {
    auto* filter = new FocusLeaveFilter(box, std::move(leave));
    box->installEventFilter(filter);
    if (box->lineEdit() != nullptr) {
        box->lineEdit()->installEventFilter(filter);
    }
}

QGroupBox* NamedGroup(QWidget* parent, const char* name, const char* caption) {
    auto* group = new QGroupBox(QString::fromLatin1(caption), parent);
    group->setObjectName(QString::fromLatin1(name));
    return group;
}

QMargins GroupMargins(const QWidget* group) {
    // Below the caption, whose lower half reaches under the frame line.
    const int caption = group->fontMetrics().height() / 2;
    return {Spacing, caption + 4, Spacing, 4};
}

QLabel* NamedLabel(QWidget* parent, const char* name, const char* caption) {
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLineEdit* NamedEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

NumberEdit* NamedNumberEdit(QWidget* parent, const char* name) {
    auto* edit = new NumberEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QComboBox* NamedCombo(QWidget* parent, const char* name, bool editable) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(editable);
    if (editable) {
        box->setInsertPolicy(QComboBox::NoInsert);
    }
    return box;
}

QWidget* ProvinceOrOther(const edit::FieldRef& field, QWidget* x, QWidget* y, QWidget* other) {
    switch (field.name) {
    case edit::FieldName::X:
        return x;
    case edit::FieldName::Y:
        return y;
    default:
        return other;
    }
}

} // namespace orv::gui

#include "gui/command_dialog.h"

#include "core/edit/combo_choice.h"
#include "core/edit/validate.h"
#include "gui/placement.h"
#include "gui/services.h"
#include "gui/text_codec.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

namespace orv::gui {

namespace {

// The window heights of the dialogs count a caption bar of this height above the client area.
constexpr int CaptionBarHeight = 27;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int Margin = 8;

// Group captions sit on the frame line, so the groups' fixed heights leave the room of
// a full text row for their controls.
const char* const GroupStyle =
    "QGroupBox { border: 1px solid palette(mid); border-radius: 3px; margin-top: 8px; }"
    "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }";

QPushButton* DialogButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFixedSize(ButtonWidth, ButtonHeight);
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

TCommandDialog::TCommandDialog(QWidget* parent, Notifier& messages, const char* objectName)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      LabelCommand(NamedLabel(this, "LabelCommand", "LabelCommand")),
      ButtonOK(DialogButton(this, "ButtonOK", "OK")),
      ButtonCancel(DialogButton(this, "ButtonCancel", "Cancel")), messages_(messages) {
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(QStringLiteral("Command"));
    setModal(true);
    setStyleSheet(QString::fromLatin1(GroupStyle));
    QFont bold = LabelCommand->font();
    bold.setBold(true);
    LabelCommand->setFont(bold);
    ButtonOK->setDefault(true);
    ButtonCancel->setAutoDefault(false);
    connect(ButtonOK, &QPushButton::clicked, this, &TCommandDialog::ButtonOKClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &TCommandDialog::ButtonCancelClick);

    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, [this] { emit HelpRequested(HelpContext()); });
}

void TCommandDialog::ShowCommand(move::DisplayForm listForm, move::CommandKind kind,
                                 const edit::OrderFields& fields) {
    Prepare(listForm, kind, fields);
    CenterOnScreen(this);
    exec();
}

void TCommandDialog::Prepare(move::DisplayForm listForm, move::CommandKind kind,
                             const edit::OrderFields& fields) {
    listForm_ = listForm;
    kind_ = kind;
    LabelCommand->setText(FromText(move::CommandCaption(kind, listForm)));
    Configure(kind, fields);
}

int TCommandDialog::HelpContext() const {
    return move::InfoOf(kind_).helpTopic;
}

void TCommandDialog::ButtonOKClick() {
    const edit::OrderFields fields = Fields();
    if (const auto failed = edit::ValidateOrderFields(kind_, fields)) {
        messages_.Error(FromText(*failed));
        return;
    }
    Compose(fields);
    accept();
}

void TCommandDialog::ButtonCancelClick() {
    Compose(edit::OrderFields{});
    QDialog::reject();
}

void TCommandDialog::reject() {
    ButtonCancelClick();
}

void TCommandDialog::Compose(const edit::OrderFields& fields) {
    if (composer_) {
        composer_(kind_, fields);
    }
}

void TCommandDialog::PlaceButtons(int top, int windowHeight) {
    const int cancelLeft = clientWidth_ - Margin - ButtonWidth;
    ButtonCancel->move(cancelLeft, top);
    ButtonOK->move(cancelLeft - Margin - ButtonWidth, top);
    setFixedSize(clientWidth_, windowHeight - CaptionBarHeight);
}

void TCommandDialog::StackWithButtons(QLayout* body, int width) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ButtonOK);
    buttons->addWidget(ButtonCancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Margin, Margin, Margin, Margin);
    layout->setSpacing(Margin);
    layout->addWidget(LabelCommand);
    layout->addLayout(body);
    layout->addLayout(buttons);
    LabelCommand->setMinimumWidth(width - 2 * Margin);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TCommandDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QWidget* first = FirstField()) {
        first->setFocus(Qt::OtherFocusReason);
    }
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

QMargins GroupMargins() {
    return {8, 9, 8, 3};
}

QLabel* NamedLabel(QWidget* parent, const char* name, const char* caption) {
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QToolButton* TCommandDialog::PickButton(QWidget* parent, const char* name, QLineEdit* x,
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

QLineEdit* NamedEdit(QWidget* parent, const char* name, int width) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    if (width > 0) {
        edit->setFixedWidth(width);
    }
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

} // namespace orv::gui

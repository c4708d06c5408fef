#pragma once
// What the seven command dialogs share: the heading, OK and Cancel, the command they were
// last opened for, their help context, the checks on OK and the hand-over of the fields to
// the composer. Each dialog adds its own controls and the fields of its command family.
// Every dialog is laid out by Qt layouts, so its controls take the room their texts need in
// any font and at any display scale.

#include "core/edit/order_fields.h"
#include "core/edit/validate.h"
#include "core/move/catalogue.h"

#include <QDialog>
#include <QLineEdit>
#include <QMargins>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QComboBox;
class QGroupBox;
class QLayout;
class QLabel;
class QPushButton;
class QToolButton;

namespace orv::gui {

class Notifier;

// Puts a confirmed dialog's fields into the move; fields of no command (Cancel) change
// nothing.
using OrderComposer = std::function<void(move::CommandKind, const edit::OrderFields&)>;

// Shows the order the dialog's fields make while the user edits them; fields of no command
// when the dialog closes.
using OrderPreview = std::function<void(move::CommandKind, const edit::OrderFields&)>;

// What the checks on OK read besides the fields: the game's tribes and the form the order is
// composed in.
using ValidationSource = std::function<edit::ValidationContext()>;

// Lets the user click a province on the graphical map above the dialog over; done receives
// the province's x and y.
using ProvincePicker = std::function<void(QWidget* over, std::function<void(int x, int y)> done)>;

// The base of the command dialogs; the form of old called TCommandDialog.
class CommandDialogBase : public QDialog {
    Q_OBJECT
  public:
    // The checks' messages go to messages, or to message boxes of this dialog's own when
    // messages shows boxes (see Notifier::ForWindow).
    CommandDialogBase(QWidget* parent, Notifier& messages, const char* objectName);
    ~CommandDialogBase() override;

    void SetComposer(OrderComposer composer) { composer_ = std::move(composer); }
    void SetPicker(ProvincePicker picker) { picker_ = std::move(picker); }
    void SetPreview(OrderPreview preview) { preview_ = std::move(preview); }
    void SetValidation(ValidationSource source) { validation_ = std::move(source); }

    // Sets the dialog up for the command with the fields an order opens with (none for a
    // new order), then shows it modally; returns when it is closed.
    void ShowCommand(move::DisplayForm listForm, move::CommandKind kind,
                     const edit::OrderFields& fields);

    // The set-up alone, as ShowCommand does it before showing the dialog.
    void Prepare(move::DisplayForm listForm, move::CommandKind kind,
                 const edit::OrderFields& fields);

    int HelpContext() const;

    // The fields of the dialog's command family as the controls hold them.
    virtual edit::OrderFields Fields() const = 0;

    QLabel* LabelCommand;
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;

  signals:
    void HelpRequested(int context);

  public slots:
    void ButtonOKClick();
    void ButtonCancelClick();
    // Escape and the close box leave the dialog as Cancel does.
    void reject() override;

  protected:
    // Fills the controls for the command; the fields are of the dialog's family or none.
    virtual void Configure(move::CommandKind kind, const edit::OrderFields& fields) = 0;
    // The control that has the keyboard focus when the dialog opens.
    virtual QWidget* FirstField() const { return nullptr; }
    // The control of a field a failed check is about; it gets the keyboard focus after the
    // message.
    virtual QWidget* FieldControl(const edit::FieldRef& field) const = 0;
    // Before the checks on OK: what leaving the field that has the focus does, since OK by
    // Enter confirms without leaving it.
    virtual void FinishEditing() {}

    // The heading, the body and OK and Cancel at the bottom right below each other; the
    // window as high as they need and at least about as wide as the given number of
    // characters of its font.
    void StackWithButtons(QLayout* body, int minimumColumns);
    // The width most dialogs take, in characters.
    static constexpr int UsualColumns = 44;
    // A "Pick on map" button beside a province's fields: fills x and y with the province
    // the user clicks on the graphical map. It takes no keyboard focus, so the tab order of
    // the fields stays as it was.
    QToolButton* PickButton(QWidget* parent, const char* name, QLineEdit* x, QLineEdit* y);

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // Hands the fields as the controls hold them to the preview, while the dialog is open.
    void ShowPreview();

  private:
    void Compose(const edit::OrderFields& fields);
    // Whether the typed texts may go into the move: each field holding characters that
    // would become "?" asks first.
    bool KeepsTypedText();

    std::unique_ptr<Notifier> ownMessages_;
    Notifier& messages_;
    OrderComposer composer_;
    ProvincePicker picker_;
    OrderPreview preview_;
    ValidationSource validation_;
    move::CommandKind kind_ = move::CommandKind::MoveThroughLand;
};

// A field for a coordinate or a count: as wide as a few digits of its own font, so it stays
// short beside its label and grows with the font.
class NumberEdit final : public QLineEdit {
  public:
    explicit NumberEdit(QWidget* parent) : QLineEdit(parent) {}
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
};

// Selects the entry equal to the text (whole text, case counts); when none is, the list
// keeps its current selection.
void SelectComboItem(QComboBox* box, const std::string& text);

// The control a field error is about in a dialog of one province and one further field:
// x or y for the coordinates, other for anything else.
QWidget* ProvinceOrOther(const edit::FieldRef& field, QWidget* x, QWidget* y, QWidget* other);

// Empties a list and fills it with the entries, none selected.
void FillCombo(QComboBox* box, const std::vector<std::string>& entries);

// The selected entry of a pick-only list, or the typed text of an editable one.
std::string ComboText(const QComboBox* box);

// Calls back when the player field (or its text field) loses the keyboard focus to
// another control; opening its own drop-down list does not count.
void OnFocusLeave(QComboBox* box, std::function<void()> leave);

// A framed group with its caption on the frame line, and the margins of its controls
// inside the frame, below the caption; both follow the group's font.
QGroupBox* NamedGroup(QWidget* parent, const char* name, const char* caption);
QMargins GroupMargins(const QWidget* group);

// Small builders the dialogs share; each control carries its name as its object name.
QLabel* NamedLabel(QWidget* parent, const char* name, const char* caption);
QLineEdit* NamedEdit(QWidget* parent, const char* name);
NumberEdit* NamedNumberEdit(QWidget* parent, const char* name);
QComboBox* NamedCombo(QWidget* parent, const char* name, bool editable);

} // namespace orv::gui

#pragma once
// What the seven command dialogs share: the heading, OK and Cancel, the command they were
// last opened for, their help context, the checks on OK and the hand-over of the fields to
// the composer. Each dialog adds its own controls and slot layout.

#include "core/edit/order_fields.h"
#include "core/move/catalogue.h"

#include <QDialog>
#include <QMargins>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLayout;
class QLineEdit;
class QLabel;
class QPushButton;
class QToolButton;

namespace orv::gui {

class Notifier;

// Puts a confirmed dialog's fields into the move; all fields empty (Cancel) changes nothing.
using OrderComposer = std::function<void(move::CommandKind, const edit::OrderFields&)>;

// Lets the user click a province on the graphical map above the dialog over; done receives
// the province's x and y.
using ProvincePicker = std::function<void(QWidget* over, std::function<void(int x, int y)> done)>;

// The dialogs placed by fixed tops: their width, and the left edge and width of their
// groups and heading, and the width of a coordinate or number field.
inline constexpr int FixedDialogWidth = 300;
inline constexpr int GroupLeft = 8;
inline constexpr int GroupWidth = FixedDialogWidth - 2 * GroupLeft;
inline constexpr int ShortFieldWidth = 56;

class TCommandDialog : public QDialog {
    Q_OBJECT
  public:
    TCommandDialog(QWidget* parent, Notifier& messages, const char* objectName);

    void SetComposer(OrderComposer composer) { composer_ = std::move(composer); }
    void SetPicker(ProvincePicker picker) { picker_ = std::move(picker); }

    // Sets the dialog up for the command with the fields an order opens with (all empty
    // for a new order), then shows it modally; returns when it is closed.
    void ShowCommand(move::DisplayForm listForm, move::CommandKind kind,
                     const edit::OrderFields& fields);

    // The set-up alone, as ShowCommand does it before showing the dialog.
    void Prepare(move::DisplayForm listForm, move::CommandKind kind,
                 const edit::OrderFields& fields);

    move::CommandKind Kind() const { return kind_; }
    move::DisplayForm ListForm() const { return listForm_; }
    int HelpContext() const;

    // The field texts in the composer's slot layout of this dialog.
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
    // Fills the controls for the command and lays the window out.
    virtual void Configure(move::CommandKind kind, const edit::OrderFields& fields) = 0;
    // The control that has the keyboard focus when the dialog opens.
    virtual QWidget* FirstField() const { return nullptr; }

    // OK and Cancel at a top, right-aligned, and the window's fixed size. The heights are
    // those of the whole window with its caption bar.
    void PlaceButtons(int top, int windowHeight);
    // For the dialogs without a fixed layout: the heading, the body and the buttons below
    // each other, the window as wide as given and as high as they need.
    void StackWithButtons(QLayout* body, int width);
    // A "Pick on map" button beside a province's fields: fills x and y with the province
    // the user clicks on the graphical map. It takes no keyboard focus, so the tab order of
    // the fields stays as it was.
    QToolButton* PickButton(QWidget* parent, const char* name, QLineEdit* x, QLineEdit* y);
    int ClientWidth() const { return clientWidth_; }
    void SetClientWidth(int width) { clientWidth_ = width; }

    void showEvent(QShowEvent* event) override;

  private:
    void Compose(const edit::OrderFields& fields);

    Notifier& messages_;
    OrderComposer composer_;
    ProvincePicker picker_;
    move::CommandKind kind_ = move::CommandKind::MoveThroughLand;
    move::DisplayForm listForm_ = move::DisplayForm::Natural;
    int clientWidth_ = FixedDialogWidth;
};

// Selects the entry equal to the text (whole text, case counts); when none is, the list
// keeps its current selection.
void SelectComboItem(QComboBox* box, const std::string& text);

// Empties a list and fills it with the entries, none selected.
void FillCombo(QComboBox* box, const std::vector<std::string>& entries);

// The selected entry of a pick-only list, or the typed text of an editable one.
std::string ComboText(const QComboBox* box);

// Calls back when the player field (or its text field) loses the keyboard focus to
// another control; opening its own drop-down list does not count.
void OnFocusLeave(QComboBox* box, std::function<void()> leave);

// The margins of a group's controls inside its frame, below the caption that sits on it.
QMargins GroupMargins();

// Small builders the dialogs share; each control carries its name as its object name.
QLabel* NamedLabel(QWidget* parent, const char* name, const char* caption);
QLineEdit* NamedEdit(QWidget* parent, const char* name, int width);
QComboBox* NamedCombo(QWidget* parent, const char* name, bool editable);

} // namespace orv::gui

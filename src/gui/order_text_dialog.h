#pragma once
// The one-line order editor: an order's raw words in a text field, what the move check
// would say about them shown under it as the user types, OK to put them in place of the
// order. It edits any order whole, also one its command dialog has no field for.

#include "core/move/order.h"

#include <QDialog>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace orv::gui {

class OrderTextDialog final : public QDialog {
    Q_OBJECT
  public:
    explicit OrderTextDialog(QWidget* parent);

    // What the findings are checked against: the game's tribes and options.
    void SetContext(std::function<move::GrammarContext()> context) {
        context_ = std::move(context);
    }

    // Shows the order's raw text modally; the edited text when the user confirms, or none.
    std::optional<std::string> EditText(const std::string& raw);

    // The findings for the text the field holds, as shown.
    void ShowFindings();

    QLineEdit* EditOrder;
    QLabel* LabelFindings;
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;

  signals:
    void HelpRequested(int context);

  private:
    std::function<move::GrammarContext()> context_;
};

} // namespace orv::gui

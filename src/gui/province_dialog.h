#pragma once
// The dialog for the orders on one province of the user's: ceding it to another player,
// or changing its terrain (the player field hidden).

#include "core/report/game.h"
#include "gui/command_dialog.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace orv::gui {

// Cession and terrain change; the form of old called TFormMoveC5.
class ProvinceDialog : public CommandDialogBase {
    Q_OBJECT
  public:
    // The tribe list is read each time the dialog opens.
    ProvinceDialog(QWidget* parent, Notifier& messages, const report::Game& game);

    edit::OrderFields Fields() const override;

    QGroupBox* GroupBox1;
    QLineEdit* EditX;
    QLineEdit* EditY;
    QLabel* Label1;
    QComboBox* ComboBoxPlayer;

  public slots:
    void ComboBoxPlayerExit();

  protected:
    void Configure(move::CommandKind kind, const edit::OrderFields& fields) override;
    QWidget* FirstField() const override;
    QWidget* FieldControl(const edit::FieldRef& field) const override;
    void FinishEditing() override { ComboBoxPlayerExit(); }

  private:
    const report::Game& game_;
};

} // namespace orv::gui

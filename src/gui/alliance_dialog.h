#pragma once
// The dialog that changes the alliance status towards another player: the player's number
// (picked from the tribe list or typed) and the status 0 to 5.

#include "core/report/game.h"
#include "gui/command_dialog.h"

class QComboBox;

namespace orv::gui {

// A change of the alliance status; the form of old called TFormMoveC4.
class AllianceDialog : public CommandDialogBase {
    Q_OBJECT
  public:
    // The tribe list is read each time the dialog opens.
    AllianceDialog(QWidget* parent, Notifier& messages, const report::Game& game);

    edit::OrderFields Fields() const override;

    QComboBox* ComboBoxPlayer;
    QComboBox* ComboBoxStatus;

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

// Fills a player list with "N - name" for every tribe of the game, then shows the text.
void FillPlayerChoices(QComboBox* box, const report::Game& game, const std::string& text);

// A field holding a whole entry "3 - name" keeps the player number 3: on leaving the field
// and on OK.
void CutToPlayerNumber(QComboBox* box);

} // namespace orv::gui

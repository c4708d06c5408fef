#pragma once
// The dialog that changes the alliance status towards another player: the player's number
// (picked from the tribe list or typed) and the status 0 to 5.

#include "core/report/game.h"
#include "gui/command_dialog.h"

class QComboBox;

namespace orv::gui {

class TFormMoveC4 : public TCommandDialog {
    Q_OBJECT
  public:
    // The tribe list is read each time the dialog opens.
    TFormMoveC4(QWidget* parent, Notifier& messages, const report::Game& game);

    edit::OrderFields Fields() const override;

    QComboBox* ComboBoxPlayer;
    QComboBox* ComboBoxStatus;

  public slots:
    void ComboBoxPlayerExit();

  protected:
    void Configure(move::CommandKind kind, const edit::OrderFields& fields) override;
    QWidget* FirstField() const override;

  private:
    const report::Game& game_;
};

// Fills a player list with "N - name" for every tribe of the game, then shows the text.
void FillPlayerChoices(QComboBox* box, const report::Game& game, const std::string& text);

// A picked entry "3 - name" leaves the player number 3 when the field is left.
void CutToPlayerNumber(QComboBox* box);

} // namespace orv::gui

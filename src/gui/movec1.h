#pragma once
// The troop movement dialog: land and sea movements and raids out of one province, with
// up to three groups of troops, a tactic for land movements and the path as direction
// letters.

#include "gui/command_dialog.h"

class QComboBox;
class QGroupBox;
class QLineEdit;

namespace orv::gui {

class TFormMoveC1 : public TCommandDialog {
    Q_OBJECT
  public:
    TFormMoveC1(QWidget* parent, Notifier& messages);

    edit::OrderFields Fields() const override;

    QGroupBox* GroupBoxProvince;
    QLineEdit* EditX;
    QLineEdit* EditY;
    QGroupBox* GroupBoxTroop1;
    QLineEdit* EditNumber1;
    QComboBox* ComboBoxType1;
    QGroupBox* GroupBoxTroop2;
    QLineEdit* EditNumber2;
    QComboBox* ComboBoxType2;
    QGroupBox* GroupBoxTroop3;
    QLineEdit* EditNumber3;
    QComboBox* ComboBoxType3;
    QGroupBox* GroupBoxTactic;
    QComboBox* ComboBoxTactic;
    QGroupBox* GroupBoxDirection;
    QComboBox* ComboBoxDirection;
    QLineEdit* EditDirection;

  public slots:
    void ComboBoxDirectionChange(int index);

  protected:
    void Configure(move::CommandKind kind, const edit::OrderFields& fields) override;
    QWidget* FirstField() const override;
};

} // namespace orv::gui

#pragma once
// The tribe dialog: the user picks the tribe played from the report's tribe list, or types
// an entry. Reading the entry back into a tribe name is the core's.

#include <QDialog>
#include <string>
#include <vector>

class QComboBox;

namespace orv::gui {

// The tribe dialog (the form of old called TFormInitialize).
class TribeDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TribeDialog(QWidget* parent = nullptr);

    // Fills the list with the entries (already in "number. name" form) and selects the one
    // of the remembered tribe, else the first one, if any.
    void Fill(const std::vector<std::string>& entries, const std::string& remembered = {});

    // The tribe name the entry shown in the list stands for.
    std::string ChosenTribeName() const;

    QComboBox* ComboBoxTribes() const { return comboBoxTribes_; }

  signals:
    void HelpRequested(int context);

  public slots:
    void ButtonOKClick();
    void ButtonCancelClick();
    // The dialog has no close box and Escape does not leave it: only its buttons do.
    void reject() override {}

  protected:
    // Typing goes to the tribe field at once.
    void showEvent(QShowEvent* event) override;

  private:
    QComboBox* comboBoxTribes_;
};

} // namespace orv::gui

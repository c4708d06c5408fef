#pragma once
// A one-column list over a model, with the row calls of a plain list: the move list, the
// problem list and the commands list show their data through models, so their memory stays
// bounded whatever the size of the move.

#include <QListView>
#include <QString>

namespace orv::gui {

class RowListView : public QListView {
    Q_OBJECT
  public:
    explicit RowListView(QWidget* parent = nullptr);

    int count() const;
    // The selected row; -1 without one.
    int currentRow() const;
    // Selects the row and scrolls to it; -1 (or a row past the end) selects none.
    void setCurrentRow(int row);
    QString RowText(int row) const;
    QString RowToolTip(int row) const;

    void setModel(QAbstractItemModel* model) override;

  signals:
    // The user (or setCurrentRow) chose another row, or none.
    void RowChosen(int row);
    void RowActivated(int row);
};

} // namespace orv::gui

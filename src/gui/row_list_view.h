#pragma once
// A one-column list over a model, with the row calls of a plain list: the move list, the
// problem list and the commands list show their data through models. The view keeps no
// record per row when its rows are of one height, so its memory stays bounded whatever the
// size of the move; rows of their own heights (the problem list) keep one offset each.

#include <QAbstractItemView>
#include <QString>
#include <vector>

namespace orv::gui {

class RowListView : public QAbstractItemView {
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

    // Rows of one height (the first row's), or each row as high as its text.
    void setUniformItemSizes(bool uniform);

    void setModel(QAbstractItemModel* model) override;
    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;
    void doItemsLayout() override;
    void reset() override;

  signals:
    // The user (or setCurrentRow) chose another row, or none.
    void RowChosen(int row);
    void RowActivated(int row);

  protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex&) const override { return false; }
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags flags) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void updateGeometries() override;
    void paintEvent(QPaintEvent* event) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;

  private:
    // Row heights and the widest row known, measured anew.
    void Measure();
    int RowTop(int row) const;
    int RowHeight(int row) const;
    // The row at a height of the whole list (not of the viewport); count() below the last.
    int RowAtHeight(int y) const;
    int ContentHeight() const;
    int SizeHintHeight(int row) const;

    bool uniform_ = true;
    int rowHeight_ = 1;
    int contentWidth_ = 0;
    std::vector<int> tops_; // rows of their own heights: row k starts at tops_[k]
};

} // namespace orv::gui

#include "gui/row_list_view.h"

#include <QItemSelectionModel>

namespace orv::gui {

RowListView::RowListView(QWidget* parent) : QListView(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QListView::activated, this,
            [this](const QModelIndex& index) { emit RowActivated(index.row()); });
}

void RowListView::setModel(QAbstractItemModel* model) {
    QListView::setModel(model);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { emit RowChosen(currentRow()); });
}

int RowListView::count() const {
    return model() == nullptr ? 0 : model()->rowCount();
}

int RowListView::currentRow() const {
    if (selectionModel() == nullptr) {
        return -1;
    }
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void RowListView::setCurrentRow(int row) {
    if (selectionModel() == nullptr) {
        return;
    }
    if (row < 0 || row >= count()) {
        selectionModel()->clearSelection();
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        return;
    }
    const QModelIndex index = model()->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

QString RowListView::RowText(int row) const {
    return model()->index(row, 0).data(Qt::DisplayRole).toString();
}

QString RowListView::RowToolTip(int row) const {
    return model()->index(row, 0).data(Qt::ToolTipRole).toString();
}

} // namespace orv::gui

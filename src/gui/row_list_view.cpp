#include "gui/row_list_view.h"

#include <QItemSelectionModel>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <climits>

namespace orv::gui {

RowListView::RowListView(QWidget* parent) : QAbstractItemView(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QAbstractItemView::activated, this,
            [this](const QModelIndex& index) { emit RowActivated(index.row()); });
}

void RowListView::setModel(QAbstractItemModel* model) {
    QAbstractItemView::setModel(model);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { emit RowChosen(currentRow()); });
    doItemsLayout();
}

void RowListView::setUniformItemSizes(bool uniform) {
    uniform_ = uniform;
    doItemsLayout();
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

int RowListView::SizeHintHeight(int row) const {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    return std::max(1, itemDelegate()->sizeHint(option, model()->index(row, 0)).height());
}

void RowListView::Measure() {
    const int n = count();
    tops_.clear();
    contentWidth_ = 0;
    if (uniform_) {
        rowHeight_ = n > 0 ? SizeHintHeight(0) : std::max(1, fontMetrics().height());
        return; // widths are learnt as rows are painted
    }
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    tops_.resize(static_cast<std::size_t>(n) + 1);
    for (int row = 0; row < n; ++row) {
        const QSize size = itemDelegate()->sizeHint(option, model()->index(row, 0));
        const auto k = static_cast<std::size_t>(row);
        tops_[k + 1] = static_cast<int>(std::min<long long>(
            INT_MAX, tops_[k] + static_cast<long long>(std::max(1, size.height()))));
        contentWidth_ = std::max(contentWidth_, size.width());
    }
}

int RowListView::RowTop(int row) const {
    if (!uniform_) {
        return tops_.empty() ? 0 : tops_[std::clamp<std::size_t>(row, 0, tops_.size() - 1)];
    }
    return static_cast<int>(std::min<long long>(INT_MAX, static_cast<long long>(row) * rowHeight_));
}

int RowListView::RowHeight(int row) const {
    return uniform_ ? rowHeight_ : RowTop(row + 1) - RowTop(row);
}

int RowListView::ContentHeight() const {
    return RowTop(count());
}

int RowListView::RowAtHeight(int y) const {
    const int n = count();
    if (y <= 0 || n == 0) {
        return 0;
    }
    if (uniform_) {
        return std::min(n, y / rowHeight_);
    }
    const auto after = std::upper_bound(tops_.begin(), tops_.end(), y);
    return std::clamp(static_cast<int>(after - tops_.begin()) - 1, 0, n);
}

void RowListView::doItemsLayout() {
    if (model() != nullptr) {
        Measure();
    }
    updateGeometries();
    QAbstractItemView::doItemsLayout();
    viewport()->update();
}

void RowListView::reset() {
    QAbstractItemView::reset();
    doItemsLayout();
}

void RowListView::rowsInserted(const QModelIndex& parent, int start, int end) {
    QAbstractItemView::rowsInserted(parent, start, end);
    doItemsLayout();
}

void RowListView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                              const QList<int>& roles) {
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
    if (!uniform_) {
        doItemsLayout(); // a changed text may change its row's height
    }
}

void RowListView::updateGeometries() {
    const QSize room = viewport()->size();
    verticalScrollBar()->setRange(0, std::max(0, ContentHeight() - room.height()));
    verticalScrollBar()->setPageStep(room.height());
    verticalScrollBar()->setSingleStep(uniform_ ? rowHeight_ : fontMetrics().height());
    horizontalScrollBar()->setRange(0, std::max(0, contentWidth_ - room.width()));
    horizontalScrollBar()->setPageStep(room.width());
    horizontalScrollBar()->setSingleStep(fontMetrics().averageCharWidth());
    QAbstractItemView::updateGeometries();
}

QRect RowListView::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.row() >= count()) {
        return {};
    }
    const int row = index.row();
    return {-horizontalOffset(), RowTop(row) - verticalOffset(),
            std::max(contentWidth_, viewport()->width() + horizontalOffset()), RowHeight(row)};
}

QModelIndex RowListView::indexAt(const QPoint& point) const {
    const int y = point.y() + verticalOffset();
    const int row = RowAtHeight(y);
    if (model() == nullptr || y < 0 || row >= count()) {
        return {};
    }
    return model()->index(row, 0);
}

void RowListView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!index.isValid()) {
        return;
    }
    const int top = RowTop(index.row());
    const int height = RowHeight(index.row());
    const int room = viewport()->height();
    int value = verticalScrollBar()->value();
    switch (hint) {
    case EnsureVisible:
        if (top < value) {
            value = top;
        } else if (top + height > value + room) {
            value = top + height - room;
        }
        break;
    case PositionAtTop:
        value = top;
        break;
    case PositionAtBottom:
        value = top + height - room;
        break;
    case PositionAtCenter:
        value = top + height / 2 - room / 2;
        break;
    }
    verticalScrollBar()->setValue(value);
}

QModelIndex RowListView::moveCursor(CursorAction action, Qt::KeyboardModifiers) {
    const int n = count();
    if (n == 0) {
        return {};
    }
    const QModelIndex current = currentIndex();
    const int row = current.isValid() ? current.row() : -1;
    const int room = viewport()->height();
    int next = 0;
    switch (action) {
    case MoveUp:
    case MovePrevious:
        next = row - 1;
        break;
    case MoveDown:
    case MoveNext:
        next = row + 1;
        break;
    case MoveHome:
        next = 0;
        break;
    case MoveEnd:
        next = n - 1;
        break;
    case MovePageUp:
        next = RowAtHeight(RowTop(std::max(row, 0)) - room + RowHeight(std::max(row, 0)));
        break;
    case MovePageDown:
        next = RowAtHeight(RowTop(std::max(row, 0)) + room - 1);
        break;
    default:
        return current;
    }
    return model()->index(std::clamp(next, 0, n - 1), 0);
}

int RowListView::horizontalOffset() const {
    return horizontalScrollBar()->value();
}

int RowListView::verticalOffset() const {
    return verticalScrollBar()->value();
}

void RowListView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags flags) {
    const int n = count();
    if (n == 0 || selectionModel() == nullptr) {
        return;
    }
    const QRect r = rect.normalized();
    const int first = std::min(RowAtHeight(r.top() + verticalOffset()), n - 1);
    const int last = std::min(RowAtHeight(r.bottom() + verticalOffset()), n - 1);
    selectionModel()->select(QItemSelection(model()->index(first, 0), model()->index(last, 0)),
                             flags);
}

QRegion RowListView::visualRegionForSelection(const QItemSelection& selection) const {
    // Only what is on show: a selection of many rows costs no more than a screenful.
    const int firstShown = RowAtHeight(verticalOffset());
    const int lastShown =
        std::min(RowAtHeight(verticalOffset() + viewport()->height()), count() - 1);
    QRegion region;
    for (const QItemSelectionRange& range : selection) {
        const int top = std::max(range.top(), firstShown);
        const int bottom = std::min(range.bottom(), lastShown);
        if (top <= bottom) {
            region += QRect(0, RowTop(top) - verticalOffset(), viewport()->width(),
                            RowTop(bottom) + RowHeight(bottom) - RowTop(top));
        }
    }
    return region;
}

void RowListView::paintEvent(QPaintEvent* event) {
    if (model() == nullptr) {
        return;
    }
    QPainter painter(viewport());
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    if (isActiveWindow()) {
        option.state |= QStyle::State_Active;
    }
    const QStyle::State state = option.state;
    const QRect area = event->rect();
    const int n = count();
    const int widthBefore = contentWidth_;
    for (int row = RowAtHeight(area.top() + verticalOffset()); row < n; ++row) {
        const QModelIndex index = model()->index(row, 0);
        option.rect = visualRect(index);
        if (option.rect.top() > area.bottom()) {
            break;
        }
        option.state = state;
        if (selectionModel()->isSelected(index)) {
            option.state |= QStyle::State_Selected;
        }
        if (index == currentIndex() && hasFocus()) {
            option.state |= QStyle::State_HasFocus;
        }
        if (uniform_) {
            contentWidth_ =
                std::max(contentWidth_, itemDelegate()->sizeHint(option, index).width());
        }
        itemDelegate()->paint(&painter, option, index);
    }
    if (contentWidth_ != widthBefore) {
        updateGeometries(); // a wider row than any before: the horizontal scroll bar follows
    }
}

} // namespace orv::gui

#include "gui/problem_panel.h"

#include "gui/move_list_model.h"
#include "gui/row_list_view.h"

#include <QLabel>
#include <QVBoxLayout>

namespace orv::gui {

ProblemPanel::ProblemPanel(QWidget* parent)
    : QWidget(parent), list_(new RowListView(this)), model_(new ProblemListModel(list_)) {
    setObjectName(QStringLiteral("PanelProblems"));
    auto* caption = new QLabel(QStringLiteral("Problems:"), this);
    list_->setObjectName(QStringLiteral("ListBoxProblems"));
    list_->setUniformItemSizes(false); // a problem's text may have several lines
    list_->setModel(model_);
    caption->setBuddy(list_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(caption);
    layout->addWidget(list_);
    connect(list_, &RowListView::RowChosen, this, [this](int row) {
        if (row >= 0 && !following_) {
            emit LineChosen(model_->LineOf(row));
        }
    });
    connect(list_, &RowListView::RowActivated, this,
            [this](int row) { emit LineActivated(model_->LineOf(row)); });
}

void ProblemPanel::Check(const move::MoveList& move, const report::Game& game) {
    result_ = check::CheckMove(move, game);
    following_ = true;
    model_->SetProblems(check::Problems(result_));
    following_ = false;
}

void ProblemPanel::Step(int direction) {
    const int count = list_->count();
    if (count == 0) {
        return;
    }
    const int current = list_->currentRow();
    const int next =
        current < 0 ? (direction > 0 ? 0 : count - 1) : (current + direction + count) % count;
    if (next == current) {
        emit LineChosen(model_->LineOf(next)); // one problem: it is chosen again
    }
    list_->setCurrentRow(next);
}

} // namespace orv::gui

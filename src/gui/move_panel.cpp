#include "gui/move_panel.h"

#include "core/edit/list_editing.h"
#include "gui/move_document.h"
#include "gui/move_list_model.h"
#include "gui/row_list_view.h"
#include "gui/text_codec.h"

#include <QLabel>

namespace orv::gui {

MovePanel::MovePanel(MoveDocument& document, QLabel* label, RowListView* list)
    : QObject(list), document_(document), label_(label), list_(list),
      model_(new MoveListModel(document, list)) {
    const int markSize = list_->fontMetrics().height();
    list_->setIconSize(QSize(markSize, markSize));
    model_->SetMarkSize(markSize);
    list_->setModel(model_);
    connect(&document_, &MoveDocument::Changed, this, &MovePanel::DocumentChanged);
    connect(list_, &RowListView::RowChosen, this, &MovePanel::RowClicked);
    label_->setText(FromMessage(document_.Move().LabelText()));
}

void MovePanel::SetFindings(const check::CheckResult& result) {
    model_->SetFindings(result);
}

void MovePanel::DocumentChanged(unsigned aspects) {
    if ((aspects & MoveDocument::Orders) != 0) {
        following_ = true;
        model_->Reload();
        following_ = false;
    }
    if ((aspects & (MoveDocument::Orders | MoveDocument::Identity)) != 0) {
        label_->setText(FromMessage(document_.Move().LabelText()));
    }
    if ((aspects & (MoveDocument::Orders | MoveDocument::Current)) != 0) {
        ShowCurrentLine();
    }
}

void MovePanel::ShowCurrentLine() {
    const edit::Selection line = document_.CurrentLine();
    following_ = true;
    list_->setCurrentRow(line ? static_cast<int>(*line) : -1);
    following_ = false;
    emit CurrentLineShown();
}

void MovePanel::RowClicked(int row) {
    if (following_) {
        return;
    }
    const edit::Selection clicked =
        row < 0 ? edit::Selection() : edit::Selection(static_cast<std::size_t>(row));
    const edit::Selection wanted = edit::SelectionAfterClick(document_.Move(), clicked);
    document_.SetCurrentLine(wanted);
    if (wanted != clicked) {
        // The document did not change, but the list shows the click: it goes back.
        ShowCurrentLine();
    }
}

} // namespace orv::gui

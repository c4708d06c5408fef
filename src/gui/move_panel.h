#pragma once
// The move panel: the label above the move and the move list, following the move document.
// The list shows the document's lines and its current line; a row the user clicks goes to
// the document through the selection rule (BEGIN, END and the message heading cannot be
// chosen), and the list shows the document's choice.

#include "core/check/check_driver.h"

#include <QObject>

class QLabel;

namespace orv::gui {

class MoveDocument;
class MoveListModel;
class RowListView;

class MovePanel : public QObject {
    Q_OBJECT
  public:
    MovePanel(MoveDocument& document, QLabel* label, RowListView* list);

    // The check's findings marked on the order lines.
    void SetFindings(const check::CheckResult& result);
    // The list's selection back on the document's current line.
    void ShowCurrentLine();

  signals:
    // The document's current line changed through the list, or the list shows it anew.
    void CurrentLineShown();

  private:
    // What the document said changed (MoveDocument::Aspect values), shown anew.
    void DocumentChanged(unsigned aspects);
    void RowClicked(int row);

    MoveDocument& document_;
    QLabel* label_;
    RowListView* list_;
    MoveListModel* model_;
    // Set while the list follows the document, so that its selection signals are not taken
    // for the user's choice.
    bool following_ = false;
};

} // namespace orv::gui

#pragma once
// The move list's rows, read from the move document when the view asks for them: no item
// per line, so a move of millions of message lines costs the window nothing beyond the
// move itself. Order lines with a finding of the live check carry a mark and the
// finding's messages as their tooltip.

#include "core/check/check_driver.h"

#include <QAbstractListModel>
#include <QIcon>
#include <QString>
#include <unordered_map>

namespace orv::gui {

class MoveDocument;

class MoveListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    MoveListModel(const MoveDocument& document, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The marks and tooltips of this check's findings; the size of the mark.
    void SetFindings(const check::CheckResult& result);
    void SetMarkSize(int size);
    // The lines changed: the view reads them anew.
    void Reload();

  private:
    const MoveDocument& document_;
    std::unordered_map<std::size_t, QString> tips_; // line -> the findings' messages
    QIcon mark_;
    QIcon blank_;
};

// The problems of the live check, one row each; the line a problem names is its LineRole.
class ProblemListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    static constexpr int LineRole = Qt::UserRole;
    explicit ProblemListModel(QObject* parent) : QAbstractListModel(parent) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    void SetProblems(std::vector<check::Problem> problems);
    std::size_t LineOf(int row) const { return problems_.at(static_cast<std::size_t>(row)).line; }

  private:
    std::vector<check::Problem> problems_;
};

} // namespace orv::gui

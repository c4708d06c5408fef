#include "gui/move_list_model.h"

#include "gui/move_document.h"
#include "gui/text_codec.h"

#include <QApplication>
#include <QPixmap>
#include <QStyle>
#include <limits>

namespace orv::gui {

namespace {

int RowCount(std::size_t size) {
    return static_cast<int>(std::min<std::size_t>(size, std::numeric_limits<int>::max()));
}

} // namespace

MoveListModel::MoveListModel(const MoveDocument& document, QObject* parent)
    : QAbstractListModel(parent), document_(document) {}

int MoveListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RowCount(document_.Move().Size());
}

QVariant MoveListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() < 0) {
        return {};
    }
    const auto line = static_cast<std::size_t>(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return FromText(document_.Move().Line(line));
    case Qt::DecorationRole:
        // The other lines keep an empty place of the mark's width, so the texts stay in line.
        return tips_.contains(line) ? mark_ : blank_;
    case Qt::ToolTipRole: {
        const auto tip = tips_.find(line);
        return tip == tips_.end() ? QVariant() : QVariant(tip->second);
    }
    default:
        return {};
    }
}

void MoveListModel::SetMarkSize(int size) {
    QPixmap blank(size, size);
    blank.fill(Qt::transparent);
    blank_ = QIcon(blank);
    mark_ = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
}

void MoveListModel::SetFindings(const check::CheckResult& result) {
    tips_.clear();
    for (const check::Finding& finding : result.findings) {
        if (finding.kind == check::FindingKind::OrderLimit) {
            continue;
        }
        QString& tip = tips_[finding.line];
        for (const std::string& message : finding.messages) {
            if (!tip.isEmpty()) {
                tip += QLatin1Char('\n');
            }
            tip += FromText(check::WithoutIndent(message));
        }
    }
    if (rowCount() > 0) {
        emit dataChanged(index(0), index(rowCount() - 1), {Qt::DecorationRole, Qt::ToolTipRole});
    }
}

void MoveListModel::Reload() {
    beginResetModel();
    endResetModel();
}

int ProblemListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RowCount(problems_.size());
}

QVariant ProblemListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= problems_.size()) {
        return {};
    }
    const check::Problem& problem = problems_[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole) {
        return FromText(problem.text);
    }
    if (role == LineRole) {
        return static_cast<qulonglong>(problem.line);
    }
    return {};
}

void ProblemListModel::SetProblems(std::vector<check::Problem> problems) {
    beginResetModel();
    problems_ = std::move(problems);
    endResetModel();
}

} // namespace orv::gui

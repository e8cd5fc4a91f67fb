#include "CrossReferenceModel.h"

void CCrossReferenceModel::SetTexts(const QStringList& headers,
                                    const QHash<QString, QString>& findingTips)
{
    headers_ = headers;
    tips_ = findingTips;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void CCrossReferenceModel::SetRows(std::vector<CrossReferenceRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    applyFilter();
    endResetModel();
}

void CCrossReferenceModel::SetFilter(Filter filter)
{
    beginResetModel();
    filter_ = std::move(filter);
    applyFilter();
    endResetModel();
}

void CCrossReferenceModel::applyFilter()
{
    shown_.clear();
    shown_.reserve(rows_.size());
    for (int i = 0; i < int(rows_.size()); ++i)
        if (!filter_ || filter_(rows_[size_t(i)]))
            shown_.push_back(i);
}

int CCrossReferenceModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(shown_.size());
}

int CCrossReferenceModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 6;
}

QVariant CCrossReferenceModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(shown_.size()))
        return {};
    const CrossReferenceRow& row = Row(index.row());
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case 0: return row.device;
        case 1: return row.area;
        case 2: return row.address;
        case 3: return row.use;
        case 4: return row.place;
        case 5: return row.finding;
        default: return {};
        }
    }
    if (role == Qt::ToolTipRole && !row.finding.isEmpty())
        return tips_.value(row.finding);
    return {};
}

QVariant CCrossReferenceModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section >= 0 && section < headers_.size() ? QVariant(headers_[section]) : QVariant();
}

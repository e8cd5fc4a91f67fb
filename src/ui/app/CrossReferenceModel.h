#pragma once
#include "app/CrossReferenceTable.h"

#include <QAbstractTableModel>
#include <QSet>
#include <QStringList>
#include <functional>
#include <vector>

// The rows of the cross-reference as a table of six columns (device, area,
// address, use, place, finding), of which a filter shows some.
class CCrossReferenceModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using Filter = std::function<bool(const CrossReferenceRow& row)>;

    explicit CCrossReferenceModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // The column titles and, per finding code, what its tool-tip says.
    void SetTexts(const QStringList& headers, const QHash<QString, QString>& findingTips);
    void SetRows(std::vector<CrossReferenceRow> rows);
    // Shows the rows the filter accepts; none shows them all.
    void SetFilter(Filter filter);

    const CrossReferenceRow& Row(int shown) const { return rows_[size_t(shown_[size_t(shown)])]; }
    int AllRows() const { return int(rows_.size()); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void applyFilter();

    std::vector<CrossReferenceRow> rows_;
    std::vector<int> shown_;
    Filter filter_;
    QStringList headers_;
    QHash<QString, QString> tips_;
};

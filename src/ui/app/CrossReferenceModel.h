#pragma once
#include "app/CrossReferenceTable.h"

class CCrossReference;

#include <QAbstractTableModel>
#include <QSet>
#include <QStringList>
#include <functional>
#include <vector>

// The rows of the cross-reference as a table of six columns (device, area,
// address, use, place, finding), of which a filter shows some. A new
// cross-reference updates the rows that differ (removed, inserted, changed),
// so the view keeps its place and its selection.
class CCrossReferenceModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using Filter = std::function<bool(const CrossReferenceRow& row)>;

    explicit CCrossReferenceModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // The column titles and, per finding code, what its tool-tip says.
    void SetTexts(const QStringList& headers, const QHash<QString, QString>& findingTips);
    // The words of the rows' uses, places and findings (none: English).
    void SetWording(Wording words) { words_ = std::move(words); }
    // The rows of the cross-reference as it stands now, the filter kept.
    void Update(const CCrossReference& xref);
    // Shows the rows the filter accepts; none shows them all.
    void SetFilter(Filter filter);

    // A shown row's texts.
    CrossReferenceRow Row(int shown) const;
    int AllRows() const { return int(rows_.size()); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    Wording words_;
    // A row and what it is: the same use (or finding) and the same finding
    // of it in two cross-references are the same row.
    struct Entry
    {
        CrossReferenceTable::RowPlace place;
        quint64 sequence = 0; // the use's (CCrossReference::Sequence); findings after all uses
        quint32 stamp = 0;    // the use's (CCrossReference::Stamp)
        int ordinal = 0;      // the row's place among its use's rows
        int address = 0;
        int bit = 0;
        QString device;
        QString area;
        QString finding;
        QString detail; // the place of a finding of no use
    };
    static std::vector<Entry> entriesOf(const CCrossReference& xref);
    static bool sameRow(const Entry& a, const Entry& b);
    static bool sameTexts(const Entry& a, const Entry& b);
    bool accepted(const Entry& e) const;
    // `a` comes before `b` in the rows' order.
    static bool earlier(const Entry& a, const Entry& b);
    void applyFilter();
    void emitChanged(const std::vector<int>& rows);

    const CCrossReference* xref_ = nullptr; // what the rows show
    std::vector<Entry> rows_;
    std::vector<const Entry*> shown_;
    Filter filter_;
    QStringList headers_;
    QHash<QString, QString> tips_;
};

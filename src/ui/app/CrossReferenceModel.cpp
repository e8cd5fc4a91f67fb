#include "CrossReferenceModel.h"
#include "app/CrossReference.h"

#include <tuple>

namespace {

// The rows that are no use's (screens, bitmaps) come after every use's.
constexpr quint64 kFindingRows = quint64(1) << 63;

// Equal texts, most often the same shared text.
bool same(const QString& a, const QString& b)
{
    return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
}

} // namespace

void CCrossReferenceModel::SetTexts(const QStringList& headers,
                                    const QHash<QString, QString>& findingTips)
{
    headers_ = headers;
    tips_ = findingTips;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

std::vector<CCrossReferenceModel::Entry>
CCrossReferenceModel::entriesOf(const CCrossReference& xref)
{
    const std::vector<CrossReferenceTable::RowPlace> places = CrossReferenceTable::RowPlaces(xref);
    std::vector<Entry> entries(places.size());
    quint64 findingRows = 0;
    for (size_t i = 0; i < places.size(); ++i) {
        Entry& e = entries[i];
        e.place = places[i];
        if (e.place.finding >= 0)
            e.finding = xref.Findings()[size_t(e.place.finding)].code;
        if (e.place.use >= 0) {
            const CrossReferenceUse& use = xref.Uses()[size_t(e.place.use)];
            e.sequence = xref.Sequence(e.place.use);
            e.stamp = xref.Stamp(e.place.use);
            e.device = use.ref.deviceName;
            e.area = use.ref.area;
            e.address = use.ref.address;
            e.bit = use.ref.bitNumber;
            e.ordinal =
                i > 0 && entries[i - 1].place.use == e.place.use ? entries[i - 1].ordinal + 1 : 0;
        } else {
            e.sequence = kFindingRows | findingRows++;
            e.detail = CrossReferenceTable::RowAt(xref, places[i]).place;
        }
    }
    return entries;
}

bool CCrossReferenceModel::sameRow(const Entry& a, const Entry& b)
{
    return a.sequence == b.sequence && a.ordinal == b.ordinal;
}

bool CCrossReferenceModel::sameTexts(const Entry& a, const Entry& b)
{
    return a.stamp == b.stamp && same(a.finding, b.finding) && same(a.detail, b.detail);
}

bool CCrossReferenceModel::accepted(const Entry& e) const
{
    return !filter_ || filter_(CrossReferenceTable::RowAt(*xref_, e.place, words_));
}

CrossReferenceRow CCrossReferenceModel::Row(int shown) const
{
    return CrossReferenceTable::RowAt(*xref_, shown_[size_t(shown)]->place, words_);
}

bool CCrossReferenceModel::earlier(const Entry& a, const Entry& b)
{
    const bool useA = !(a.sequence & kFindingRows);
    const bool useB = !(b.sequence & kFindingRows);
    if (useA != useB)
        return useA;
    if (!useA)
        return a.sequence < b.sequence;
    if (!same(a.device, b.device))
        return a.device.compare(b.device) < 0;
    if (!same(a.area, b.area))
        return a.area.compare(b.area) < 0;
    return std::tie(a.address, a.bit, a.sequence, a.ordinal)
           < std::tie(b.address, b.bit, b.sequence, b.ordinal);
}

void CCrossReferenceModel::Update(const CCrossReference& xref)
{
    xref_ = &xref;
    std::vector<Entry> fresh = entriesOf(xref);
    std::vector<const Entry*> next;
    next.reserve(fresh.size());
    for (const Entry& e : fresh)
        if (accepted(e))
            next.push_back(&e);
    // Both lists are in the rows' order: walk them together. A row of both
    // takes the new one's texts; a row of the old list only goes, one of the
    // new list only comes, in runs. The rows shown point into the old rows
    // until they are replaced, so the model is whole at every signal.
    std::vector<int> changed;
    size_t p = 0;
    size_t j = 0;
    while (p < shown_.size() || j < next.size()) {
        if (p < shown_.size() && j < next.size() && sameRow(*shown_[p], *next[j])) {
            if (!sameTexts(*shown_[p], *next[j]))
                changed.push_back(int(p));
            shown_[p++] = next[j++];
            continue;
        }
        const auto goes = [&](size_t q) {
            return q < shown_.size()
                   && (j == next.size()
                       || (earlier(*shown_[q], *next[j]) && !sameRow(*shown_[q], *next[j])));
        };
        if (goes(p)) {
            size_t q = p + 1;
            while (goes(q))
                ++q;
            beginRemoveRows(QModelIndex(), int(p), int(q) - 1);
            shown_.erase(shown_.begin() + std::ptrdiff_t(p), shown_.begin() + std::ptrdiff_t(q));
            endRemoveRows();
            continue;
        }
        const auto comes = [&](size_t k) {
            return k < next.size()
                   && (p == shown_.size()
                       || (!earlier(*shown_[p], *next[k]) && !sameRow(*shown_[p], *next[k])));
        };
        size_t k = j + 1;
        while (comes(k))
            ++k;
        beginInsertRows(QModelIndex(), int(p), int(p + (k - j)) - 1);
        shown_.insert(shown_.begin() + std::ptrdiff_t(p), next.begin() + std::ptrdiff_t(j),
                      next.begin() + std::ptrdiff_t(k));
        endInsertRows();
        p += k - j;
        j = k;
    }
    // The shown rows point into `fresh` alone now; its buffer moves over.
    rows_ = std::move(fresh);
    emitChanged(changed);
}

void CCrossReferenceModel::emitChanged(const std::vector<int>& rows)
{
    for (size_t i = 0; i < rows.size();) {
        size_t k = i + 1;
        while (k < rows.size() && rows[k] == rows[k - 1] + 1)
            ++k;
        emit dataChanged(index(rows[i], 0), index(rows[k - 1], columnCount() - 1));
        i = k;
    }
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
    for (const Entry& e : rows_)
        if (accepted(e))
            shown_.push_back(&e);
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
    if (!index.isValid() || index.row() >= int(shown_.size()) || !xref_)
        return {};
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const CrossReferenceRow row = Row(index.row());
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

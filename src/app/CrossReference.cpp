#include "CrossReference.h"
#include "ObjectRegisters.h"
#include "ProjectScreenObjects.h"
#include "ScreenReach.h"
#include "project/ProjectModel.h"
#include "project/ProtocolTables.h"
#include "project/RegisterNumberRule.h"
#include "screen/DiagramEntityContainer.h"

#include <QHash>

#include <algorithm>
#include <tuple>

namespace {

QString CoilActionName(int action)
{
    static const char* const names[] = {"SET ON", "SET OFF", "SET NOT", "INSTANT ON"};
    return action >= 0 && action < 4 ? QString::fromLatin1(names[action])
                                     : QStringLiteral("Unknown");
}

} // namespace

void CCrossReference::Build(const CProjectModel& model, const CProjectScreenObjects& screens)
{
    uses_.clear();
    findings_.clear();
    const QSet<QString> shown = collectUses(model, screens);
    sortUses();
    useFindings_.assign(uses_.size(), QStringList());
    checkUses(model);
    checkScreens(model);
    checkBitmaps(model, shown);
}

void CCrossReference::sortUses()
{
    // Device and area become one number each, in the order of their texts,
    // so the uses sort on numbers alone.
    QHash<QString, QHash<QString, int>> keys;
    std::vector<std::pair<QString, QString>> distinct;
    for (const CrossReferenceUse& use : uses_) {
        QHash<QString, int>& areas = keys[use.ref.deviceName];
        if (!areas.contains(use.ref.area)) {
            areas.insert(use.ref.area, 0);
            distinct.emplace_back(use.ref.deviceName, use.ref.area);
        }
    }
    std::sort(distinct.begin(), distinct.end(), [](const auto& a, const auto& b) {
        if (const int c = a.first.compare(b.first))
            return c < 0;
        return a.second.compare(b.second) < 0;
    });
    for (int rank = 0; rank < int(distinct.size()); ++rank)
        keys[distinct[size_t(rank)].first][distinct[size_t(rank)].second] = rank;
    std::vector<int> rank(uses_.size());
    for (size_t i = 0; i < uses_.size(); ++i)
        rank[i] = keys.value(uses_[i].ref.deviceName).value(uses_[i].ref.area);
    std::vector<int> order(uses_.size());
    for (int i = 0; i < int(order.size()); ++i)
        order[size_t(i)] = i;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const RegisterRef& x = uses_[size_t(a)].ref;
        const RegisterRef& y = uses_[size_t(b)].ref;
        return std::tie(rank[size_t(a)], x.address, x.bitNumber)
               < std::tie(rank[size_t(b)], y.address, y.bitNumber);
    });
    std::vector<CrossReferenceUse> sorted;
    sorted.reserve(uses_.size());
    ranks_.clear();
    ranks_.reserve(uses_.size());
    for (int i : order) {
        sorted.push_back(std::move(uses_[size_t(i)]));
        ranks_.push_back(rank[size_t(i)]);
    }
    uses_ = std::move(sorted);
}

QSet<QString> CCrossReference::collectUses(const CProjectModel& model,
                                           const CProjectScreenObjects& screens)
{
    QSet<QString> shown;
    screens.ForEach([&](const CScreenObject& screen, const CDiagramEntityContainer& objects, bool) {
        int index = 0;
        for (const CDiagramEntity* object : objects.Objects()) {
            if (const QString file = object->ProjectBitmapFile(); !file.isEmpty())
                shown.insert(file.toLower());
            for (const RegisterRef* ref : ObjectRegisters(*object)) {
                CrossReferenceUse use;
                use.kind = UseKind::Object;
                use.ref = *ref;
                use.bit = object->RefersToCoil();
                use.words = use.bit ? 1 : object->RegisterWords();
                use.screenNumber = screen.number;
                use.screenName = screen.name;
                use.objectIndex = index;
                use.objectName = object->GetName();
                use.objectKind = object->Kind();
                uses_.push_back(std::move(use));
            }
            ++index;
        }
    });
    for (const auto& screen : model.screens)
        for (int k = 0; k < int(screen->keys.size()); ++k) {
            const CFunKeyParams& key = screen->keys[k];
            if (!key.used || key.functionType == 2)
                continue;
            CrossReferenceUse use;
            use.screenNumber = screen->number;
            use.screenName = screen->name;
            use.keyIndex = k;
            if (key.functionType == 0) {
                use.kind = UseKind::Key;
                use.ref = key.setCoil.coil;
                use.bit = true;
                use.action = CoilActionName(key.setCoil.action);
            } else if (key.functionType == 1) {
                use.kind = UseKind::Key;
                use.ref = key.setReg.reg;
                use.words = std::max(1, key.setReg.quantity);
                use.action = CFunKeyParams::TypeName(1);
            } else if (key.functionType == 3) {
                use.kind = UseKind::Advanced;
                use.ref.deviceName = key.advanced.device.deviceName;
                use.action =
                    key.advanced.command == 1 ? QStringLiteral("STOP") : QStringLiteral("RUN");
            } else {
                continue;
            }
            uses_.push_back(std::move(use));
        }
    for (size_t a = 0; a < model.alarms.items.size(); ++a) {
        CrossReferenceUse use;
        use.kind = UseKind::Alarm;
        use.ref = model.alarms.items[a].coil;
        use.bit = true;
        use.alarmNumber = int(a) + 1;
        uses_.push_back(std::move(use));
    }
    const CPLCAndPanelAlternation& exchange = model.plcAndPanel;
    if (exchange.plcToPanelEnabled) {
        CrossReferenceUse use;
        use.kind = UseKind::PlcToPanel;
        use.ref = exchange.plcToPanel;
        use.words = 2;
        uses_.push_back(std::move(use));
    }
    if (exchange.panelToPlcEnabled) {
        CrossReferenceUse use;
        use.kind = UseKind::PanelToPlc;
        use.ref = exchange.panelToPlc;
        uses_.push_back(std::move(use));
    }
    return shown;
}

std::vector<int> CCrossReference::overlaps() const
{
    // Uses of the same words from the same start are one span; only spans
    // that differ and share a word, one of them of several words, overlap.
    struct Span
    {
        int first; // uses_[first .. last) all take these words
        int last;
        int start;
        int end; // last word
    };
    std::vector<int> order;
    order.reserve(uses_.size());
    for (int i = 0; i < int(uses_.size()); ++i)
        if (!uses_[i].bit && !uses_[i].ref.area.isEmpty())
            order.push_back(i);
    // uses_ is sorted by device, area and address: order the words taken within that.
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        const CrossReferenceUse& x = uses_[a];
        const CrossReferenceUse& y = uses_[b];
        if (ranks_[a] != ranks_[b] || x.ref.address != y.ref.address)
            return a < b;
        return x.words < y.words;
    });
    std::vector<int> other(uses_.size(), -1);
    std::vector<int> sorted; // order, as spans of equal words
    std::vector<Span> active;
    const auto mark = [&](const Span& a, const Span& b) {
        for (int i = a.first; i < a.last; ++i)
            if (other[sorted[i]] < 0)
                other[sorted[i]] = sorted[b.first];
        for (int i = b.first; i < b.last; ++i)
            if (other[sorted[i]] < 0)
                other[sorted[i]] = sorted[a.first];
    };
    sorted = order;
    for (int i = 0; i < int(sorted.size());) {
        const CrossReferenceUse& u = uses_[sorted[i]];
        int j = i + 1;
        while (j < int(sorted.size()) && ranks_[sorted[j]] == ranks_[sorted[i]]
               && uses_[sorted[j]].ref.address == u.ref.address
               && uses_[sorted[j]].words == u.words)
            ++j;
        const Span span{i, j, u.ref.address, u.ref.address + u.words - 1};
        if (!active.empty() && ranks_[sorted[active.front().first]] != ranks_[sorted[i]])
            active.clear();
        std::erase_if(active, [&](const Span& a) { return a.end < span.start; });
        for (const Span& a : active)
            if (a.end > a.start || span.end > span.start)
                mark(a, span);
        active.push_back(span);
        i = j;
    }
    return other;
}

void CCrossReference::checkUses(const CProjectModel& model)
{
    const std::vector<int> overlapping = overlaps();
    const ProtocolTables::Protocol* protocol = ProtocolTables::FindProtocol(model.info.plcType);
    // The picker's rule and the device look-up, once per area and word and
    // once per device and area: most uses share their registers.
    QHash<qint64, bool> inArea;
    QHash<int, bool> deviceFound;
    const auto accepted = [&](int i, int word) {
        const qint64 key = qint64(ranks_[size_t(i)]) << 32 | quint32(word);
        auto found = inArea.constFind(key);
        if (found == inArea.cend())
            found = inArea.insert(
                key, RegisterNumberRule::AcceptingRow(*protocol, uses_[size_t(i)].ref.area, word)
                         != nullptr);
        return found.value();
    };
    for (int i = 0; i < int(uses_.size()); ++i) {
        const CrossReferenceUse& use = uses_[i];
        if (overlapping[i] >= 0) {
            CrossReferenceFinding finding{FindingCode::kOverlap, i, overlapping[i]};
            findings_.push_back(finding);
            useFindings_[i] << finding.code;
        }
        if (protocol && use.kind != UseKind::Advanced) {
            bool inRange = true;
            for (int w = 0; w < use.words && inRange; ++w)
                inRange = accepted(i, use.ref.address + w);
            if (!inRange) {
                findings_.push_back({FindingCode::kRange, i});
                useFindings_[i] << FindingCode::kRange;
            }
        }
        auto device = deviceFound.constFind(ranks_[size_t(i)]);
        if (device == deviceFound.cend())
            device = deviceFound.insert(ranks_[size_t(i)],
                                        ReferencedDevice(model.Devices(), use.ref.deviceName)
                                            != nullptr);
        if (!device.value()) {
            findings_.push_back({FindingCode::kDevice, i});
            useFindings_[i] << FindingCode::kDevice;
        }
    }
}

void CCrossReference::checkScreens(const CProjectModel& model)
{
    const QSet<int> reached = ReachedScreens(model);
    const QString code =
        model.plcAndPanel.plcToPanelEnabled ? FindingCode::kPlcOnly : FindingCode::kUnreached;
    // The model keeps its screens in descending order: list them ascending.
    for (auto it = model.screens.rbegin(); it != model.screens.rend(); ++it)
        if (!reached.contains((*it)->number)) {
            CrossReferenceFinding finding{code};
            finding.screenNumber = (*it)->number;
            finding.screenName = (*it)->name;
            findings_.push_back(finding);
        }
}

void CCrossReference::checkBitmaps(const CProjectModel& model, const QSet<QString>& shown)
{
    for (const QString& file : model.bitmapFiles)
        if (!shown.contains(file.toLower())) {
            CrossReferenceFinding finding{FindingCode::kUnusedBitmap};
            finding.bitmap = file;
            findings_.push_back(finding);
        }
}

QStringList CCrossReference::FindingsOf(int use) const
{
    return use >= 0 && use < int(useFindings_.size()) ? useFindings_[use] : QStringList();
}

std::vector<int> CCrossReference::UsesOf(const RegisterRef& ref) const
{
    std::vector<int> found;
    for (int i = 0; i < int(uses_.size()); ++i) {
        const CrossReferenceUse& use = uses_[i];
        if (use.kind == UseKind::Advanced || use.ref.deviceName != ref.deviceName
            || use.ref.area != ref.area)
            continue;
        if (ref.address < use.ref.address || ref.address >= use.ref.address + use.words)
            continue;
        if (ref.bitOfWord && use.ref.bitOfWord && ref.bitNumber != use.ref.bitNumber)
            continue;
        found.push_back(i);
    }
    return found;
}

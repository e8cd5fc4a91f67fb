#include "CrossReference.h"
#include "ObjectRegisters.h"
#include "ProjectScreenObjects.h"
#include "ScreenReach.h"
#include "project/ProjectModel.h"
#include "project/RegisterAddressText.h"
#include "project/ScreenObject.h"
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

// A use's sequence: what it belongs to (screen objects, keys, alarms,
// PLC <-> Panel), then the screen's place in the model, the object's or
// key's place and the register's place in the object.
namespace {

enum Phase : quint64 { kObjects = 0, kKeys = 1, kAlarms = 2, kExchange = 3 };

// Equal names, most often the same shared text.
bool same(const QString& a, const QString& b)
{
    return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
}

quint64 sequence(Phase phase, quint64 ordinal, quint64 item, quint64 part = 0)
{
    return phase << 60 | (ordinal & 0xFFFFFF) << 36 | (item & 0xFFFFFF) << 12 | (part & 0xFFF);
}

// The uses' order: device, area, address, bit, then the sequence.
bool before(const CrossReferenceUse& a, quint64 sa, const CrossReferenceUse& b, quint64 sb)
{
    if (!same(a.ref.deviceName, b.ref.deviceName))
        return a.ref.deviceName.compare(b.ref.deviceName) < 0;
    if (!same(a.ref.area, b.ref.area))
        return a.ref.area.compare(b.ref.area) < 0;
    return std::tie(a.ref.address, a.ref.bitNumber, sa)
           < std::tie(b.ref.address, b.ref.bitNumber, sb);
}

} // namespace

struct CCrossReference::Lookups
{
    Lookups(const CProjectModel& m, quint32 s, QSet<QString>& n)
        : model(m),
          protocol(ProtocolTables::FindProtocol(m.info.plcType)),
          stamp(s),
          names(n)
    {}

    // Range and device of a use, by itself; its names shared.
    Facts Classify(CrossReferenceUse& use, quint64 sequence)
    {
        intern(use.ref.deviceName);
        intern(use.ref.area);
        Facts facts;
        facts.sequence = sequence;
        facts.stamp = stamp;
        if (protocol && use.kind != UseKind::Advanced) {
            for (int w = 0; w < use.words && !facts.outOfRange; ++w)
                facts.outOfRange = !accepted(use.ref.area, use.ref.address + w);
        }
        if (use.kind != UseKind::Advanced)
            facts.address = RegisterAddressText(use.ref);
        facts.place = use.Place();
        auto device = devices.constFind(use.ref.deviceName);
        if (device == devices.cend())
            device =
                devices.insert(use.ref.deviceName,
                               ReferencedDevice(model.Devices(), use.ref.deviceName) != nullptr);
        facts.unknownDevice = !device.value();
        return facts;
    }

private:
    void intern(QString& name)
    {
        auto it = names.constFind(name);
        if (it == names.cend())
            it = names.insert(name);
        name = *it;
    }

    // The picker's rule, once per area and word: most uses share their registers.
    bool accepted(const QString& area, int word)
    {
        QHash<int, bool>& words = inArea[area];
        auto found = words.constFind(word);
        if (found == words.cend())
            found = words.insert(word, RegisterNumberRule::AcceptingRow(*protocol, area, word)
                                           != nullptr);
        return found.value();
    }

    const CProjectModel& model;
    const ProtocolTables::Protocol* protocol;
    const quint32 stamp;
    QSet<QString>& names;
    QHash<QString, QHash<int, bool>> inArea;
    QHash<QString, bool> devices;
};

void CCrossReference::Build(const CProjectModel& model, const CProjectScreenObjects& screens)
{
    Lookups lookups(model, ++stamp_, names_);
    screens_.clear();
    screenOrder_.clear();
    quint64 ordinal = 0;
    for (const auto& screen : model.screens) {
        screenOrder_.push_back(screen->number);
        screens.Visit(*screen,
                      [&](const CScreenObject& s, const CDiagramEntityContainer& objects, bool) {
                          screens_[s.number] = collectScreen(s, objects, ordinal, lookups);
                      });
        ++ordinal;
    }
    others_ = collectOthers(model, lookups);
    built_ = true;
    sortAll();
    check(model);
}

bool CCrossReference::UpdateScreen(const CProjectModel& model, const CProjectScreenObjects& screens,
                                   int number)
{
    if (!built_ || model.screens.size() != screenOrder_.size())
        return false;
    quint64 ordinal = 0;
    const CScreenObject* edited = nullptr;
    for (size_t i = 0; i < screenOrder_.size(); ++i) {
        if (model.screens[i]->number != screenOrder_[i])
            return false;
        if (screenOrder_[i] == number) {
            ordinal = i;
            edited = model.screens[i].get();
        }
    }
    if (!edited)
        return false;
    Lookups lookups(model, ++stamp_, names_);
    ScreenUses fresh;
    const bool shown =
        screens.Visit(*edited, [&](const CScreenObject& s, const CDiagramEntityContainer& objects,
                                   bool) { fresh = collectScreen(s, objects, ordinal, lookups); });
    // The screen's new uses in order, merged with the others' kept order.
    std::vector<int> order(fresh.uses.size());
    for (int i = 0; i < int(order.size()); ++i)
        order[size_t(i)] = i;
    std::sort(order.begin(), order.end(), [&fresh](int a, int b) {
        return before(fresh.uses[size_t(a)], fresh.facts[size_t(a)].sequence, fresh.uses[size_t(b)],
                      fresh.facts[size_t(b)].sequence);
    });
    // Where each new use goes among the kept ones (the screen's old uses
    // are left out as they are passed).
    const quint64 mine = sequence(kObjects, ordinal, 0) >> 36;
    std::vector<size_t> at(order.size());
    for (size_t k = 0; k < order.size(); ++k) {
        const size_t f = size_t(order[k]);
        size_t lo = 0;
        size_t hi = uses_.size();
        while (lo < hi) {
            const size_t mid = lo + (hi - lo) / 2;
            if (before(uses_[mid], facts_[mid].sequence, fresh.uses[f], fresh.facts[f].sequence))
                lo = mid + 1;
            else
                hi = mid;
        }
        at[k] = lo;
    }
    std::vector<CrossReferenceUse> uses;
    std::vector<Facts> facts;
    uses.reserve(uses_.size() + fresh.uses.size());
    facts.reserve(uses.capacity());
    size_t next = 0;
    const auto takeFresh = [&](size_t upTo) {
        for (; next < order.size() && at[next] <= upTo; ++next) {
            uses.push_back(fresh.uses[size_t(order[next])]);
            facts.push_back(fresh.facts[size_t(order[next])]);
        }
    };
    for (size_t i = 0; i < uses_.size(); ++i) {
        takeFresh(i);
        if (facts_[i].sequence >> 36 == mine)
            continue; // the screen's old uses
        uses.push_back(std::move(uses_[i]));
        facts.push_back(std::move(facts_[i]));
    }
    takeFresh(uses_.size());
    uses_ = std::move(uses);
    facts_ = std::move(facts);
    if (shown)
        screens_[number] = std::move(fresh);
    else
        screens_.erase(number);
    check(model);
    return true;
}

void CCrossReference::sortAll()
{
    std::vector<std::pair<const ScreenUses*, int>> all;
    const auto add = [&all](const ScreenUses& s) {
        for (int i = 0; i < int(s.uses.size()); ++i)
            all.emplace_back(&s, i);
    };
    for (const auto& [number, s] : screens_)
        add(s);
    add(others_);
    std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) {
        return before(a.first->uses[size_t(a.second)], a.first->facts[size_t(a.second)].sequence,
                      b.first->uses[size_t(b.second)], b.first->facts[size_t(b.second)].sequence);
    });
    uses_.clear();
    facts_.clear();
    uses_.reserve(all.size());
    facts_.reserve(all.size());
    for (const auto& [s, i] : all) {
        uses_.push_back(s->uses[size_t(i)]);
        facts_.push_back(s->facts[size_t(i)]);
    }
}

void CCrossReference::check(const CProjectModel& model)
{
    // Device and area as one number each, in their order: equal pairs lie
    // together in the sorted uses.
    ranks_.assign(uses_.size(), 0);
    for (size_t i = 1; i < uses_.size(); ++i) {
        const RegisterRef& a = uses_[i - 1].ref;
        const RegisterRef& b = uses_[i].ref;
        ranks_[i] =
            ranks_[i - 1] + (same(a.deviceName, b.deviceName) && same(a.area, b.area) ? 0 : 1);
    }
    findings_.clear();
    useFindings_.assign(uses_.size(), QStringList());
    const std::vector<int> overlapping = overlaps();
    for (int i = 0; i < int(uses_.size()); ++i) {
        if (overlapping[size_t(i)] >= 0) {
            findings_.push_back({FindingCode::kOverlap, i, overlapping[size_t(i)]});
            useFindings_[size_t(i)] << FindingCode::kOverlap;
        }
        if (facts_[size_t(i)].outOfRange) {
            findings_.push_back({FindingCode::kRange, i});
            useFindings_[size_t(i)] << FindingCode::kRange;
        }
        if (facts_[size_t(i)].unknownDevice) {
            findings_.push_back({FindingCode::kDevice, i});
            useFindings_[size_t(i)] << FindingCode::kDevice;
        }
    }
    checkScreens(model);
    checkBitmaps(model);
}

CCrossReference::ScreenUses CCrossReference::collectScreen(const CScreenObject& screen,
                                                           const CDiagramEntityContainer& objects,
                                                           quint64 ordinal, Lookups& lookups)
{
    ScreenUses out;
    int index = 0;
    for (const CDiagramEntity* object : objects.Objects()) {
        if (const QString file = object->ProjectBitmapFile(); !file.isEmpty())
            out.bitmaps.insert(file.toLower());
        int part = 0;
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
            out.facts.push_back(lookups.Classify(
                use, sequence(kObjects, ordinal, quint64(index), quint64(part++))));
            out.uses.push_back(std::move(use));
        }
        ++index;
    }
    return out;
}

CCrossReference::ScreenUses CCrossReference::collectOthers(const CProjectModel& model,
                                                           Lookups& lookups)
{
    ScreenUses out;
    const auto add = [&](CrossReferenceUse use, quint64 seq) {
        out.facts.push_back(lookups.Classify(use, seq));
        out.uses.push_back(std::move(use));
    };
    quint64 ordinal = 0;
    for (const auto& screen : model.screens) {
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
            add(std::move(use), sequence(kKeys, ordinal, quint64(k)));
        }
        ++ordinal;
    }
    for (size_t a = 0; a < model.alarms.items.size(); ++a) {
        CrossReferenceUse use;
        use.kind = UseKind::Alarm;
        use.ref = model.alarms.items[a].coil;
        use.bit = true;
        use.alarmNumber = int(a) + 1;
        add(std::move(use), sequence(kAlarms, 0, a));
    }
    const CPLCAndPanelAlternation& exchange = model.plcAndPanel;
    if (exchange.plcToPanelEnabled) {
        CrossReferenceUse use;
        use.kind = UseKind::PlcToPanel;
        use.ref = exchange.plcToPanel;
        use.words = 2;
        add(std::move(use), sequence(kExchange, 0, 0));
    }
    if (exchange.panelToPlcEnabled) {
        CrossReferenceUse use;
        use.kind = UseKind::PanelToPlc;
        use.ref = exchange.panelToPlc;
        add(std::move(use), sequence(kExchange, 0, 1));
    }
    return out;
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
    // uses_ is sorted by device, area and address: order the words taken
    // within each address.
    for (size_t from = 0; from < order.size();) {
        size_t to = from + 1;
        while (to < order.size() && ranks_[size_t(order[to])] == ranks_[size_t(order[from])]
               && uses_[size_t(order[to])].ref.address == uses_[size_t(order[from])].ref.address)
            ++to;
        const auto first = order.begin() + std::ptrdiff_t(from);
        const auto last = order.begin() + std::ptrdiff_t(to);
        const auto byWords = [this](int a, int b) {
            return uses_[size_t(a)].words < uses_[size_t(b)].words;
        };
        if (!std::is_sorted(first, last, byWords))
            std::stable_sort(first, last, byWords);
        from = to;
    }
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

void CCrossReference::checkBitmaps(const CProjectModel& model)
{
    const auto shown = [this](const QString& file) {
        for (const auto& [number, s] : screens_)
            if (s.bitmaps.contains(file))
                return true;
        return false;
    };
    for (const QString& file : model.bitmapFiles)
        if (!shown(file.toLower())) {
            CrossReferenceFinding finding{FindingCode::kUnusedBitmap};
            finding.bitmap = file;
            findings_.push_back(finding);
        }
}

QStringList CCrossReference::FindingsOf(int use) const
{
    return use >= 0 && use < int(useFindings_.size()) ? useFindings_[use] : QStringList();
}

bool CCrossReference::Takes(const CrossReferenceUse& use, const RegisterRef& ref)
{
    if (use.kind == UseKind::Advanced || use.ref.deviceName != ref.deviceName
        || use.ref.area != ref.area)
        return false;
    if (ref.address < use.ref.address || ref.address >= use.ref.address + use.words)
        return false;
    return !(ref.bitOfWord && use.ref.bitOfWord && ref.bitNumber != use.ref.bitNumber);
}

std::vector<int> CCrossReference::UsesOf(const RegisterRef& ref) const
{
    std::vector<int> found;
    for (int i = 0; i < int(uses_.size()); ++i)
        if (Takes(uses_[size_t(i)], ref))
            found.push_back(i);
    return found;
}

#include "CrossReference.h"
#include "ObjectRegisters.h"
#include "ProjectScreenObjects.h"
#include "ScreenReach.h"
#include "project/ProjectModel.h"
#include "project/ProtocolTables.h"
#include "project/RegisterNumberRule.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectIndicatorLight.h"
#include "screen/ObjectStaticBitmap.h"
#include "screen/ObjectString.h"
#include "screen/RegisterValueProperties.h"

#include <algorithm>
#include <tuple>

namespace {

// The words an object's register takes: two for a float or a 32-bit value,
// the register count of a string, one otherwise.
int ObjectWords(const CDiagramEntity& object)
{
    if (const auto* value = dynamic_cast<const RegisterValueProperties*>(&object))
        return value->isFloat || value->registerCount >= 2 ? 2 : 1;
    if (const auto* string = dynamic_cast<const CObjectString*>(&object))
        return std::max(1, string->registerCount);
    return 1;
}

QString CoilActionName(int action)
{
    static const char* const names[] = {"SET ON", "SET OFF", "SET NOT", "INSTANT ON"};
    return action >= 0 && action < 4 ? QString::fromLatin1(names[action]) : QStringLiteral("Unknown");
}

bool SameWords(const CrossReferenceUse& a, const CrossReferenceUse& b)
{
    return a.ref.deviceName == b.ref.deviceName && a.ref.area == b.ref.area;
}

} // namespace

void CCrossReference::Build(const CProjectModel& model, const CProjectScreenObjects& screens)
{
    uses_.clear();
    findings_.clear();
    const QSet<QString> shown = collectUses(model, screens);
    std::stable_sort(uses_.begin(), uses_.end(), [](const CrossReferenceUse& a, const CrossReferenceUse& b) {
        if (const int c = a.ref.deviceName.compare(b.ref.deviceName))
            return c < 0;
        if (const int c = a.ref.area.compare(b.ref.area))
            return c < 0;
        return std::tie(a.ref.address, a.ref.bitNumber) < std::tie(b.ref.address, b.ref.bitNumber);
    });
    useFindings_.assign(uses_.size(), QStringList());
    checkUses(model);
    checkScreens(model);
    checkBitmaps(model, shown);
}

QSet<QString> CCrossReference::collectUses(const CProjectModel& model, const CProjectScreenObjects& screens)
{
    QSet<QString> shown;
    screens.ForEach([&](const CScreenObject& screen, const CDiagramEntityContainer& objects, bool) {
        int index = 0;
        for (const CDiagramEntity* object : objects.Objects()) {
            if (const auto* bitmap = dynamic_cast<const CObjectStaticBitmap*>(object)) {
                if (bitmap->folder.isEmpty())
                    shown.insert(bitmap->fileName.toLower());
            }
            for (const RegisterRef* ref : ObjectRegisters(*object)) {
                CrossReferenceUse use;
                use.kind = UseKind::Object;
                use.ref = *ref;
                use.bit = dynamic_cast<const CObjectIndicatorLight*>(object) != nullptr;
                use.words = use.bit ? 1 : ObjectWords(*object);
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
                use.action = key.advanced.command == 1 ? QStringLiteral("STOP") : QStringLiteral("RUN");
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
        if (!SameWords(x, y) || x.ref.address != y.ref.address)
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
        while (j < int(sorted.size()) && SameWords(uses_[sorted[j]], u) && uses_[sorted[j]].ref.address == u.ref.address
               && uses_[sorted[j]].words == u.words)
            ++j;
        const Span span{i, j, u.ref.address, u.ref.address + u.words - 1};
        if (!active.empty() && !SameWords(uses_[sorted[active.front().first]], u))
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
                inRange = RegisterNumberRule::AcceptingRow(*protocol, use.ref.area, use.ref.address + w) != nullptr;
            if (!inRange) {
                findings_.push_back({FindingCode::kRange, i});
                useFindings_[i] << FindingCode::kRange;
            }
        }
        if (!ReferencedDevice(model.Devices(), use.ref.deviceName)) {
            findings_.push_back({FindingCode::kDevice, i});
            useFindings_[i] << FindingCode::kDevice;
        }
    }
}

void CCrossReference::checkScreens(const CProjectModel& model)
{
    const QSet<int> reached = ReachedScreens(model);
    const QString code = model.plcAndPanel.plcToPanelEnabled ? FindingCode::kPlcOnly : FindingCode::kUnreached;
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
        if (use.kind == UseKind::Advanced || use.ref.deviceName != ref.deviceName || use.ref.area != ref.area)
            continue;
        if (ref.address < use.ref.address || ref.address >= use.ref.address + use.words)
            continue;
        if (ref.bitOfWord && use.ref.bitOfWord && ref.bitNumber != use.ref.bitNumber)
            continue;
        found.push_back(i);
    }
    return found;
}

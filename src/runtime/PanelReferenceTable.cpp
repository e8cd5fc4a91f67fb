#include "PanelReferenceTable.h"
#include "RuntimeObjectKinds.h"

#include <map>
#include <tuple>

namespace {

using Key = std::tuple<bool, std::uint8_t, std::uint16_t>; // coil, device, address

class CCollector
{
public:
    PanelReference& Use(RuntimeRegister r, bool coil, const PanelUse& use)
    {
        auto [it, added] = rows_.try_emplace(Key{coil, r.device, r.address});
        PanelReference& row = it->second;
        if (added) {
            row.reg = r;
            row.coil = coil;
            row.text = PanelAddressText(r.address, coil);
        }
        row.useList.push_back(use);
        row.uses.append(PanelUseText(use));
        return row;
    }
    void Words(PanelReference& row, int words) { row.words = std::max(row.words, words); }
    void Format(PanelReference& row, const RuntimeValueFormat& f)
    {
        if (!row.hasFormat && !row.ascii) {
            row.format = f;
            row.hasFormat = true;
        }
    }
    std::vector<PanelReference> Rows() const
    {
        std::vector<PanelReference> out;
        out.reserve(rows_.size());
        for (const auto& [key, row] : rows_)
            out.push_back(row);
        return out;
    }

private:
    std::map<Key, PanelReference> rows_;
};

} // namespace

QString CPanelReferenceTable::KindName(int kind)
{
    return RuntimeObjectKindName(kind);
}

std::vector<PanelReference> CPanelReferenceTable::Build(const RuntimeImage& image)
{
    CCollector c;
    for (const RuntimeScreen& s : image.screens) {
        for (int i = 0; i < int(s.objects.size()); ++i) {
            const RuntimeObject& o = s.objects[size_t(i)];
            // Objects are named by kind and their 1-based place in the screen.
            const PanelUse use{PanelUse::Object, s.number, o.kind, i + 1, 0};
            const RuntimeObjectKindEntry* kind = RuntimeObjectKindOf(o.kind);
            if (!kind)
                continue;
            switch (kind->registerUse) {
            case RuntimeRegisterUse::None: break;
            case RuntimeRegisterUse::Selector: {
                PanelReference& row = c.Use(o.reg, false, use);
                c.Format(row, kind->format(o));
                break;
            }
            case RuntimeRegisterUse::Value: {
                const RuntimeValueFormat f = kind->format(o);
                PanelReference& row = c.Use(o.reg, false, use);
                c.Words(row, f.isFloat || f.twoRegisters ? 2 : 1);
                c.Format(row, f);
                break;
            }
            case RuntimeRegisterUse::Coil: c.Use(o.reg, true, use); break;
            case RuntimeRegisterUse::Text: {
                PanelReference& row = c.Use(o.reg, false, use);
                c.Words(row, std::max<int>(o.registerCount, 1));
                if (!row.hasFormat)
                    row.ascii = true;
                break;
            }
            }
        }
        for (int k = 0; k < 5; ++k) {
            const RuntimeFunctionKey& key = s.keys[size_t(k)];
            if (!key.Used())
                continue;
            if (key.Function() == int(RuntimeKeyFunction::SetCoil))
                c.Use(key.coil, true, PanelUse{PanelUse::Key, s.number, 0, k + 1, 0});
            else if (key.Function() == int(RuntimeKeyFunction::SetRegister))
                c.Words(c.Use(key.reg, false, PanelUse{PanelUse::Key, s.number, 0, k + 1, 1}),
                        key.quantity == 2 ? 2 : 1);
        }
    }
    for (int i = 0; i < int(image.alarms.alarms.size()); ++i)
        c.Use(
            RuntimeRegister{image.alarms.device, std::uint16_t(image.alarms.firstCoilAddress + i)},
            true, PanelUse{PanelUse::Alarm, 0, 0, i + 1, 0});
    const RuntimeProjectHeader& h = image.header;
    if (h.panelToPlcEnabled)
        c.Use(h.panelToPlc, false, PanelUse{PanelUse::PanelToPlc});
    if (h.PlcSwitchesScreen())
        c.Use(h.plcToPanel, false, PanelUse{PanelUse::PlcToPanel});
    if (h.BeepControl())
        c.Use(RuntimeRegister{h.plcToPanel.device, std::uint16_t(h.plcToPanel.address + 1)}, false,
              PanelUse{PanelUse::Beep});
    return c.Rows();
}

#include "PanelReferenceTable.h"

#include <map>
#include <tuple>

namespace {

using Key = std::tuple<bool, std::uint8_t, std::uint16_t>; // coil, device, address

class CCollector
{
public:
    PanelReference& Use(RuntimeRegister r, bool coil, const QString& use)
    {
        auto [it, added] = rows_.try_emplace(Key{coil, r.device, r.address});
        PanelReference& row = it->second;
        if (added) {
            row.reg = r;
            row.coil = coil;
            row.text = PanelAddressText(r.address, coil);
        }
        row.uses.append(use);
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

const char* const kKeyFunctions[] = {"Set Coil", "Set Register", "Screen Change", "Advanced"};

} // namespace

QString CPanelReferenceTable::KindName(int kind)
{
    static const char* const names[] = {"Static Text", "Dynamic Text",    "Static Bitmap",
                                        "Bar Meter",   "Trend Meter",     "Indicator Light",
                                        "Numeric",     "String"};
    return kind >= 0 && kind < 8 ? QString::fromLatin1(names[kind]) : QString();
}

std::vector<PanelReference> CPanelReferenceTable::Build(const RuntimeImage& image)
{
    CCollector c;
    for (const RuntimeScreen& s : image.screens) {
        const QString screen = QStringLiteral("Screen %1: ").arg(s.number);
        for (int i = 0; i < int(s.objects.size()); ++i) {
            const RuntimeObject& o = s.objects[size_t(i)];
            // Objects are named by kind and their 1-based place in the screen.
            const QString use = screen + KindName(o.kind) + QStringLiteral(" %1").arg(i + 1);
            switch (o.kind) {
            case 1: {
                PanelReference& row = c.Use(o.reg, false, use);
                c.Format(row, RuntimeValueFormat{false, o.model == 0, false, false, 0});
                break;
            }
            case 3:
            case 4:
            case 6: {
                const RuntimeValueFormat f = o.kind == 3 ? BarMeterFormat(o)
                    : o.kind == 4                        ? TrendMeterFormat(o)
                                                         : NumericFormat(o);
                PanelReference& row = c.Use(o.reg, false, use);
                c.Words(row, f.isFloat || f.twoRegisters ? 2 : 1);
                c.Format(row, f);
                break;
            }
            case 5: c.Use(o.reg, true, use); break;
            case 7: {
                PanelReference& row = c.Use(o.reg, false, use);
                c.Words(row, std::max<int>(o.registerCount, 1));
                if (!row.hasFormat)
                    row.ascii = true;
                break;
            }
            default: break;
            }
        }
        for (int k = 0; k < 5; ++k) {
            const RuntimeFunctionKey& key = s.keys[size_t(k)];
            if (!key.Used())
                continue;
            const QString use = screen + QStringLiteral("F%1 ").arg(k + 1);
            if (key.Function() == int(RuntimeKeyFunction::SetCoil))
                c.Use(key.coil, true, use + QLatin1String(kKeyFunctions[0]));
            else if (key.Function() == int(RuntimeKeyFunction::SetRegister))
                c.Words(c.Use(key.reg, false, use + QLatin1String(kKeyFunctions[1])),
                        key.quantity == 2 ? 2 : 1);
        }
    }
    for (int i = 0; i < int(image.alarms.alarms.size()); ++i)
        c.Use(RuntimeRegister{image.alarms.device, std::uint16_t(image.alarms.firstCoilAddress + i)},
              true, QStringLiteral("Alarm %1").arg(i + 1));
    const RuntimeProjectHeader& h = image.header;
    if (h.panelToPlcEnabled)
        c.Use(h.panelToPlc, false, QStringLiteral("Panel -> PLC"));
    if (h.PlcSwitchesScreen())
        c.Use(h.plcToPanel, false, QStringLiteral("PLC -> Panel"));
    if (h.BeepControl())
        c.Use(RuntimeRegister{h.plcToPanel.device, std::uint16_t(h.plcToPanel.address + 1)}, false,
              QStringLiteral("PLC -> Panel: Beep"));
    return c.Rows();
}

#include "ProtocolTables.h"
#include "RegisterRef.h"

#include <array>

namespace ProtocolTables {

namespace {

constexpr std::array<Protocol, 1> kProtocols = {{{1, kVardoVSequence}}};

constexpr std::array<MemoryArea, 16> kVSeqAreas = {{
    {0, "R", 2, 0, 1, 0, 447, 0, 0},
    {0, "R", 2, 0, 1, 448, 511, 0, 1},
    {0, "R", 2, 0, 1, 512, 3967, 0, 0},
    {0, "R", 2, 0, 1, 3968, 4095, 0, 1},
    {0, "R", 2, 0, 1, 4096, 16959, 0, 0},
    {0, "R", 2, 0, 1, 16960, 16975, 0, 1},
    {0, "R", 2, 0, 1, 17024, 17055, 0, 0},
    {1, "GI", 0, 0, 1, 0, 2047, 0xC000, 0},
    {2, "I", 0, 0, 1, 0, 1023, 0xE000, 0},
    {3, "SP", 0, 0, 1, 0, 511, 0xFE00, 1},
    {4, "GQ", 0, 0, 1, 0, 2047, 0xD000, 0},
    {5, "Q", 0, 0, 1, 0, 1023, 0xE800, 0},
    {6, "M", 0, 0, 1, 0, 2047, 0xF000, 0},
    {7, "S", 0, 0, 1, 0, 127, 0xF800, 0},
    {8, "T", 0, 0, 1, 0, 255, 0xFC00, 1},
    {9, "C", 0, 0, 1, 0, 255, 0xFD00, 1},
}};

constexpr std::array<DefaultArea, 2> kVSeqDefaults = {{
    {2, "R", 1024, 0},
    {0, "M", 0, 0},
}};

} // namespace

std::span<const Protocol> Protocols()
{
    return kProtocols;
}

const Protocol* FindProtocol(const QString& name)
{
    for (const Protocol& p : kProtocols)
        if (name == QLatin1String(p.name))
            return &p;
    return nullptr;
}

std::span<const MemoryArea> MemoryAreas(const Protocol& protocol)
{
    if (protocol.code == 1)
        return kVSeqAreas;
    return {};
}

std::span<const DefaultArea> DefaultAreas(const Protocol& protocol)
{
    if (protocol.code == 1)
        return kVSeqDefaults;
    return {};
}

const MemoryArea* FirstRowOfKind(const Protocol& protocol, int kind)
{
    for (const MemoryArea& row : MemoryAreas(protocol))
        if (row.kind == kind)
            return &row;
    return nullptr;
}

const DefaultArea* DefaultOfKind(const Protocol& protocol, int kind)
{
    for (const DefaultArea& row : DefaultAreas(protocol))
        if (row.kind == kind)
            return &row;
    return nullptr;
}

std::vector<const MemoryArea*> RowsOfArea(const Protocol& protocol, const QString& letters)
{
    std::vector<const MemoryArea*> rows;
    for (const MemoryArea& row : MemoryAreas(protocol))
        if (letters == QLatin1String(row.letters))
            rows.push_back(&row);
    return rows;
}

std::optional<quint16> BaseAddress(const Protocol& protocol, const QString& letters)
{
    for (const MemoryArea& row : MemoryAreas(protocol))
        if (letters == QLatin1String(row.letters))
            return row.baseAddress;
    return std::nullopt;
}

quint16 PanelAddress(const Protocol& protocol, const RegisterRef& ref)
{
    std::optional<quint16> base = BaseAddress(protocol, ref.area);
    if (!base)
        return 0;
    return quint16(uint(*base) + uint(ref.address) + uint(ref.bitNumber));
}

QString PanelModelName(int index)
{
    return index == 0 ? QString::fromLatin1(kPanelRU03) : QStringLiteral("Unknown");
}

} // namespace ProtocolTables

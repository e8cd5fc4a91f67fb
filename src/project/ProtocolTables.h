#pragma once
#include <QString>
#include <QtGlobal>

#include <optional>
#include <span>
#include <vector>

struct RegisterRef;

// The fixed tables of the one PLC protocol and the one panel model.
namespace ProtocolTables {

struct Protocol
{
    int code;
    const char* name;
};

struct MemoryArea
{
    int areaCode;
    const char* letters;
    int kind; // 2 word register, 0 bit
    int bitOfWord;
    int radix;  // 1 octal
    int lowest; // register numbers (the RegisterRef address)
    int highest;
    quint16 baseAddress;
    int flag; // carried, drives nothing
};

struct DefaultArea
{
    int kind;
    const char* letters;
    int address;
    int bitNumber;
};

inline constexpr const char* kVardoVSequence = "Vardo V-Sequence (R Series)";
inline constexpr const char* kPanelRU03 = "RU03";

std::span<const Protocol> Protocols();
// Exact, case-sensitive match of the PLC type.
const Protocol* FindProtocol(const QString& name);
std::span<const MemoryArea> MemoryAreas(const Protocol& protocol);
std::span<const DefaultArea> DefaultAreas(const Protocol& protocol);

// First memory-area row of a data kind, from the top.
const MemoryArea* FirstRowOfKind(const Protocol& protocol, int kind);
const DefaultArea* DefaultOfKind(const Protocol& protocol, int kind);
// Every row whose letters equal `letters`, in table order.
std::vector<const MemoryArea*> RowsOfArea(const Protocol& protocol, const QString& letters);
// Base address of the first row with the reference's letters.
std::optional<quint16> BaseAddress(const Protocol& protocol, const QString& letters);
// Base address + address + bit number, taken to 16 bits; 0 for unknown letters.
quint16 PanelAddress(const Protocol& protocol, const RegisterRef& ref);

// Panel model names by index: 0 is "RU03", every other index "Unknown".
QString PanelModelName(int index);

} // namespace ProtocolTables

#include "CommChoices.h"
#include "ProtocolTables.h"

#include <array>

namespace CommChoices {

namespace {
// clang-format off
constexpr std::array<Choice, 3> kBaud = {{{"9600", 2048}, {"19200", 8192}, {"38400", 16384}}};
constexpr std::array<Choice, 3> kParity = {{{"None", 0}, {"Even", 2}, {"Odd", 1}}};
constexpr std::array<Choice, 3> kStopBits = {{{"1", 0}, {"1.5", 1}, {"2", 2}}};
constexpr std::array<Choice, 2> kRs = {{{"RS232", 0}, {"RS485", 1}}};
constexpr std::array<Choice, 2> kYesNo = {{{"YES", 0}, {"NO", 1}}};
constexpr std::array<Choice, 2> kChecksum = {{{"BCC", 0}, {"CRC", 1}}};
constexpr std::array<Choice, 6> kRegisters = {
    {{"1", 1}, {"2", 2}, {"4", 4}, {"16", 16}, {"32", 32}, {"64", 64}}};
constexpr std::array<Choice, 5> kCoils = {{{"1", 1}, {"8", 8}, {"16", 16}, {"32", 32}, {"64", 64}}};
constexpr std::array<Choice, 2> kLink = {{{"Single", 0}, {"Multiple", 1}}};
constexpr std::array<Choice, 2> kByteOrder = {{{"High Byte, Low Byte", 0}, {"Low Byte, High Byte", 1}}};
constexpr std::array<Choice, 2> kWordOrder = {{{"High Word, Low Word", 0}, {"Low Word, High Word", 1}}};
constexpr std::array<Choice, 2> kCharOrder = {{{"char1, char2", 0}, {"char2, char1", 1}}};
constexpr std::array<Choice, 2> kTransmission = {
    {{"ASCII:Data Bits-7, Stop Bits-1", 0}, {"JIS:Data Bit-8, Stop Bits-1", 1}}};
constexpr std::array<Choice, 4> kStyle = {
    {{"STYTLE1", 0}, {"STYTLE2", 1}, {"STYTLE3", 2}, {"STYTLE4", 3}}};
constexpr std::array<Choice, 11> kProtect = {{{"None", 0},
                                              {"After 1 minutes", 1},
                                              {"After 2 minutes", 2},
                                              {"After 3 minutes", 3},
                                              {"After 5 minutes", 4},
                                              {"After 10 minutes", 5},
                                              {"After 15 minutes", 6},
                                              {"After 20 minutes", 7},
                                              {"After 30 minutes", 8},
                                              {"After 45 minutes", 9},
                                              {"After 1 hours", 10}}};
constexpr std::array<Choice, 1> kPanel = {{{ProtocolTables::kPanelRU03, 0}}};
constexpr std::array<Choice, 1> kPlc = {{{ProtocolTables::kVardoVSequence, 1}}};
// clang-format on
} // namespace

List BaudRate()
{
    return kBaud;
}
List Parity()
{
    return kParity;
}
List StopBits()
{
    return kStopBits;
}
List Transmit()
{
    return kRs;
}
List YesNo()
{
    return kYesNo;
}
List ChecksumType()
{
    return kChecksum;
}
List RegistersPerMessage()
{
    return kRegisters;
}
List CoilsPerMessage()
{
    return kCoils;
}
List LinkSelector()
{
    return kLink;
}
List Wiring()
{
    return kRs;
}
List ByteOrder()
{
    return kByteOrder;
}
List WordOrder()
{
    return kWordOrder;
}
List CharacterOrder()
{
    return kCharOrder;
}
List Transmission()
{
    return kTransmission;
}
List ProtocolStyle()
{
    return kStyle;
}
List ScreenProtectTime()
{
    return kProtect;
}
List PanelType()
{
    return kPanel;
}
List Plc()
{
    return kPlc;
}

int IndexOfCode(List list, int code)
{
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].code == code)
            return int(i);
    return 0;
}

int CodeAt(List list, int index)
{
    if (list.empty())
        return 0;
    if (index < 0 || size_t(index) >= list.size())
        index = 0;
    return list[size_t(index)].code;
}

QStringList Texts(List list)
{
    QStringList texts;
    for (const Choice& c : list)
        texts << QString::fromUtf8(c.text);
    return texts;
}

int ShownBaudCode(int code)
{
    return CodeAt(kBaud, IndexOfCode(kBaud, code));
}

} // namespace CommChoices

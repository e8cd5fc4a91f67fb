#pragma once
#include <QString>
#include <QStringList>

#include <span>

// The choice lists of the panel and communication pages: what each entry
// reads and the code it stores. The dialogs fill their lists from here and
// map between entry and code with the two lookups below.
namespace CommChoices {

struct Choice
{
    const char* text;
    int code;
};
using List = std::span<const Choice>;

// General communication page, in display order.
List BaudRate();
List Parity();
List StopBits();
List Transmit();
List YesNo(); // select RS485, require CTS, control RTS, ENQ
List ChecksumType();
List RegistersPerMessage();
List CoilsPerMessage();
List LinkSelector();
List Wiring();
List ByteOrder();
List WordOrder();
List CharacterOrder();
List Transmission();
List ProtocolStyle();
// Panel configuration page: the stored value is the index.
List ScreenProtectTime();
List PanelType();
// The PLC list of the Panel Manager (protocol code 1).
List Plc();

// The entry whose code equals `code`, else the first entry.
int IndexOfCode(List list, int code);
// The code of entry `index`; the first entry's for an index out of the list.
int CodeAt(List list, int index);
QStringList Texts(List list);

// A device record's baud bytes that hold none of the three codes show the
// first entry ("9600") and store its code, 2048.
int ShownBaudCode(int code);

} // namespace CommChoices

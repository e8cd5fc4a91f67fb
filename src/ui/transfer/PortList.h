#pragma once
#include <QString>

class QComboBox;

// The port list of the transfer dialogs: the machine's serial ports in text
// order, in an editable list that also takes a typed device path (a virtual
// panel's pseudo-terminal, say).
namespace PortList {
// Fills the list and preselects `stored`: a case-insensitive prefix search
// from the second entry, wrapping to the first; the first entry when nothing
// matches. A stored device path that exists but is not listed is added.
void Fill(QComboBox* box, const QString& stored);
// The chosen port: the typed text, empty when there is none.
QString Selected(const QComboBox* box);
} // namespace PortList

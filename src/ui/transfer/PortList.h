#pragma once
#include <QString>
#include <QStringList>

class QComboBox;

// The port list of the transfer dialogs: the machine's serial ports in text
// order, in an editable list that also takes a typed device path (a virtual
// panel's pseudo-terminal, say).
namespace PortList {
// The entry of `names` to preselect for the stored port, -1 for none: the
// entry equal to it (case-insensitive; a stored /dev/ path matches the port
// listed by its plain name), else a case-insensitive prefix search from the
// second entry, wrapping to the first.
int Preselect(const QStringList& names, const QString& stored);
// Fills the list and preselects `stored` as above; the first entry when
// nothing matches. A stored device path that exists but is not listed is added.
void Fill(QComboBox* box, const QString& stored);
// The chosen port: the typed text, empty when there is none.
QString Selected(const QComboBox* box);
} // namespace PortList

#include "PortList.h"
#include "app/TransferOperations.h"

#include <QComboBox>
#include <QFileInfo>

namespace PortList {

int Preselect(const QStringList& names, const QString& stored)
{
    if (stored.isEmpty() || names.isEmpty())
        return -1;
    // The stored port itself first, so COM1 is not taken for COM10; a stored
    // device path names the port listed under its last part.
    const QString devicePrefix = QStringLiteral("/dev/");
    for (int i = 0; i < names.size(); ++i) {
        const QString& name = names[i];
        if (name.compare(stored, Qt::CaseInsensitive) == 0
            || (stored.startsWith(devicePrefix) && !name.contains(QLatin1Char('/'))
                && devicePrefix + name == stored))
            return i;
    }
    for (int k = 0; k < names.size(); ++k) {
        const int i = (k + 1) % names.size();
        if (names[i].startsWith(stored, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

void Fill(QComboBox* box, const QString& stored)
{
    QStringList names = TransferOperations::SerialPortNames();
    box->clear();
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    int found = Preselect(names, stored);
    if (found < 0 && stored.contains(QLatin1Char('/')) && QFileInfo::exists(stored)) {
        names.prepend(stored);
        found = 0;
    }
    box->addItems(names);
    if (names.isEmpty())
        box->setCurrentIndex(-1);
    else
        box->setCurrentIndex(found < 0 ? 0 : found);
}

QString Selected(const QComboBox* box)
{
    return box->currentText().trimmed();
}

} // namespace PortList

#include "PortList.h"

#include <QComboBox>
#include <QFileInfo>
#include <QSerialPortInfo>

namespace PortList {

void Fill(QComboBox* box, const QString& stored)
{
    QStringList names;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts())
        names << port.portName();
    names.sort();
    names.removeDuplicates();
    box->clear();
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    int found = -1;
    if (!stored.isEmpty()) {
        for (int k = 0; k < names.size() && found < 0; ++k) {
            const int i = (k + 1) % names.size();
            if (names[i].startsWith(stored, Qt::CaseInsensitive))
                found = i;
        }
        if (found < 0 && stored.contains(QLatin1Char('/')) && QFileInfo::exists(stored)) {
            names.prepend(stored);
            found = 0;
        }
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

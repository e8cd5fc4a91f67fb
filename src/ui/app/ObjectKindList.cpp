#include "ObjectKindList.h"

#include <QMimeData>

QStringList CObjectKindList::mimeTypes() const
{
    return {QStringLiteral("text/plain")};
}

QMimeData* CObjectKindList::mimeData(const QList<QListWidgetItem*>& items) const
{
    if (items.isEmpty())
        return nullptr;
    auto* data = new QMimeData;
    data->setText(QString::number(row(items.first())));
    return data;
}

#include "DialogPlace.h"
#include "base/AppSettings.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>

void RememberDialogPlace(QDialog* dialog, const CAppSettings& settings, const QString& key)
{
    const QStringList xy = settings.GetSettingString(key).split(QLatin1Char(','));
    if (xy.size() == 2) {
        bool okX = false, okY = false;
        const QPoint at(xy[0].trimmed().toInt(&okX), xy[1].trimmed().toInt(&okY));
        if (okX && okY && QGuiApplication::screenAt(at + QPoint(20, 20)))
            dialog->move(at);
    }
    const CAppSettings* store = &settings;
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, store, key] {
        const QPoint at = dialog->pos();
        store->WriteSetting(key, QStringLiteral("%1,%2").arg(at.x()).arg(at.y()));
    });
}

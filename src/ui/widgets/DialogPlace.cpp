#include "DialogPlace.h"
#include "base/AppSettings.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>

void RestoreWindowPlace(QWidget* window, const CAppSettings& settings, const QString& key,
                        bool withSize)
{
    const QStringList parts = settings.GetSettingString(key).split(QLatin1Char(','));
    // "x,y" or "x,y,width,height"; anything else is no place.
    QList<int> numbers;
    for (const QString& part : parts) {
        bool ok = false;
        numbers.append(part.trimmed().toInt(&ok));
        if (!ok) {
            numbers.clear();
            break;
        }
    }
    if (withSize && numbers.size() == 4 && numbers[2] > 0 && numbers[3] > 0)
        window->resize(QSize(numbers[2], numbers[3])
                           .expandedTo(window->minimumSizeHint())
                           .boundedTo(QSize(8000, 8000)));
    if (numbers.size() >= 2) {
        const QPoint at(numbers[0], numbers[1]);
        if (QGuiApplication::screenAt(at + QPoint(20, 20)))
            window->move(at);
    }
}

void SaveWindowPlace(const QWidget* window, const CAppSettings& settings, const QString& key,
                     bool withSize)
{
    const QPoint at = window->pos();
    QString value = QStringLiteral("%1,%2").arg(at.x()).arg(at.y());
    if (withSize)
        value += QStringLiteral(",%1,%2").arg(window->width()).arg(window->height());
    settings.WriteSetting(key, value);
}

void RememberDialogPlace(QDialog* dialog, const CAppSettings& settings, const QString& key,
                         bool withSize)
{
    RestoreWindowPlace(dialog, settings, key, withSize);
    const CAppSettings* store = &settings;
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, store, key, withSize] {
        SaveWindowPlace(dialog, *store, key, withSize);
    });
}

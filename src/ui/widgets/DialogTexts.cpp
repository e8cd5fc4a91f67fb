#include "DialogTexts.h"
#include "base/AppSettings.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QVariant>
#include <QWidget>

namespace DialogTexts {

namespace {

// A control's text as the language file writes it: an INI value holds no
// line break, so a label on two lines has the two characters "\n" there.
QString ControlText(QString text)
{
    return text.replace(QLatin1String("\\n"), QLatin1String("\n"));
}

} // namespace

void Apply(QWidget* window, const CAppSettings& settings, int section)
{
    const QString title = settings.LookupText(section, QStringLiteral("Title"));
    // A missing text key comes back as the key itself.
    if (!title.isEmpty() && title != QLatin1String("Title"))
        window->setWindowTitle(title);
    const auto children = window->findChildren<QWidget*>();
    for (QWidget* child : children) {
        const QVariant id = child->property("controlId");
        if (!id.isValid())
            continue;
        const QString text = ControlText(settings.LookupText(section, id.toInt()));
        if (text.isEmpty())
            continue;
        if (auto* label = qobject_cast<QLabel*>(child))
            label->setText(text);
        else if (auto* button = qobject_cast<QAbstractButton*>(child))
            button->setText(text);
        else if (auto* group = qobject_cast<QGroupBox*>(child))
            group->setTitle(text);
        else if (auto* tabs = qobject_cast<QTabWidget*>(
                     child->parentWidget() ? child->parentWidget()->parentWidget() : nullptr)) {
            const int index = tabs->indexOf(child);
            if (index >= 0)
                tabs->setTabText(index, text);
        }
    }
}

} // namespace DialogTexts

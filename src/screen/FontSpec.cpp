#include "FontSpec.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace {

QString defaultFace()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        const QString family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
        if (!family.isEmpty())
            return family;
    }
    return QStringLiteral("宋体");
}

} // namespace

FontSpec FontSpec::Default()
{
    static const FontSpec font = [] {
        FontSpec f;
        f.SetFaceName(defaultFace());
        return f;
    }();
    return font;
}

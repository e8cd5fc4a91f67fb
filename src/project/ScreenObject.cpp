#include "ScreenObject.h"
#include "LineArchive.h"

void CScreenChangeParams::Serialize(CLineArchive& ar)
{
    ar.Io(previous);
    ar.Io(next);
}

CScreenObject::CScreenObject(const CProjectModel* model)
    : keys{CFunKeyParams(model), CFunKeyParams(model), CFunKeyParams(model), CFunKeyParams(model),
           CFunKeyParams(model)}
{}

void CScreenObject::Serialize(CLineArchive& ar)
{
    ar.Io(number);
    ar.Io(name);
    screenChange.Serialize(ar);
    for (CFunKeyParams& key : keys)
        key.Serialize(ar);
}

QString ScreenTitle(const QString& projectName, int number, const QString& screenName)
{
    return projectName + QStringLiteral(".cgp - #") + QString::number(number) + QLatin1Char(' ')
           + screenName;
}

int ScreenNumberFromTitle(const QString& title)
{
    qsizetype hash = title.indexOf(QLatin1String(".cgp - #"));
    hash = hash >= 0 ? hash + 7 : title.indexOf(QLatin1Char('#'));
    if (hash < 0)
        return 0;
    int n = 0;
    for (qsizetype i = hash + 1; i < title.size() && title[i].isDigit() && n < 100000; ++i)
        n = n * 10 + title[i].digitValue();
    return n;
}

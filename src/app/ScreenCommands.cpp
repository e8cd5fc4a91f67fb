#include "ScreenCommands.h"
#include "base/CoreLimits.h"
#include "base/SafePath.h"
#include "TessanApp.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/TessanDoc.h"

#include <QDir>
#include <QFile>

namespace ScreenCommands {

QString DefaultScreenName(int number)
{
    return QStringLiteral("Screen %1").arg(number);
}

bool ScreenFilePath(const CTessanApp& app, int number, const QString& name, QString* path)
{
    return SafeJoin(app.ProjectFolder(), ScreenTitle(app.model.info.name, number, name), path);
}

QString CopyTempPath(const CTessanApp& app)
{
    return app.ProjectFolder() + QStringLiteral("/CopyTemp");
}

bool AllNumbersUsed(const CProjectModel& model)
{
    return model.FirstFreeScreenNumber() > 999;
}

CScreenObject* NewScreen(CTessanApp& app, int number, const QString& name)
{
    CScreenObject* screen = app.model.AddScreen(number, name);
    QString path;
    QDir().mkpath(app.ProjectFolder());
    if (ScreenFilePath(app, number, name, &path)) {
        // The file of a screen with no objects: its header line only.
        CDiagramEntityContainer empty;
        empty.SetPaperSize(QSize(CoreLimits::kPanelWidth, CoreLimits::kPanelHeight));
        CTessanDoc::SaveFile(path, empty);
    }
    return screen;
}

NumberProblem CheckNumber(const CProjectModel& model, const QString& text, int excludedNumber)
{
    const QString t = text.trimmed();
    bool ok = false;
    const int number = t.toInt(&ok);
    if (t.isEmpty() || t.size() > 3 || !ok || number < 1 || number > 999)
        return NumberProblem::Invalid;
    for (QChar c : t)
        if (!c.isDigit())
            return NumberProblem::Invalid;
    return model.IsScreenNumberUsed(number, excludedNumber) ? NumberProblem::Used
                                                            : NumberProblem::None;
}

int NumberOf(const QString& text)
{
    return text.trimmed().toInt();
}

NameProblem CheckName(const QString& name)
{
    if (name.trimmed().isEmpty())
        return NameProblem::Empty;
    for (QChar c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            return NameProblem::BadCharacter;
    if (name.endsWith(QLatin1Char('.')) || name.back().isSpace())
        return NameProblem::BadEnding;
    return NameProblem::None;
}

QString MessageOf(NumberProblem problem)
{
    switch (problem) {
    case NumberProblem::Invalid:
        return QStringLiteral(
            "Error GUI-001 : Screen No. is invaild. Input a value between 1 to 999");
    case NumberProblem::Used:
        return QStringLiteral("Error GUI-002 : Selected Screen No. has already been used");
    case NumberProblem::None: break;
    }
    return {};
}

QString MessageOf(NameProblem problem)
{
    switch (problem) {
    case NameProblem::Empty: return QStringLiteral("Screen Name is invalid. Input a name");
    case NameProblem::BadCharacter:
        return QStringLiteral(
            "Screen Name is invalid. A name can't hold / or \\ or control characters");
    case NameProblem::BadEnding:
        return QStringLiteral("Screen Name is invalid. A name can't end in a dot or a blank");
    case NameProblem::None: break;
    }
    return {};
}

namespace {

// Replaces `to` with a copy of `from`; the old `to` stays when the copy fails.
bool copyReplacing(const QString& from, const QString& to)
{
    const QString tmp = to + QStringLiteral(".part");
    QFile::remove(tmp);
    if (!QFile::copy(from, tmp))
        return false;
    QFile::remove(to);
    if (!QFile::rename(tmp, to)) {
        QFile::remove(tmp);
        return false;
    }
    return true;
}

} // namespace

bool CopyScreen(CTessanApp& app, int number, CTessanDoc* loadedDoc)
{
    const CScreenObject* screen = app.model.FindScreen(number);
    QString path;
    if (!screen || !ScreenFilePath(app, number, screen->name, &path))
        return false;
    QDir().mkpath(app.ProjectFolder());
    if (loadedDoc) {
        // Both writes replace their file only when complete.
        return loadedDoc->Save(path)
               && CTessanDoc::SaveFile(CopyTempPath(app), loadedDoc->Container());
    }
    return QFile::exists(path) && copyReplacing(path, CopyTempPath(app));
}

CScreenObject* PasteScreen(CTessanApp& app)
{
    if (AllNumbersUsed(app.model) || !QFile::exists(CopyTempPath(app)))
        return nullptr;
    const int number = app.model.FirstFreeScreenNumber();
    const QString name = DefaultScreenName(number);
    QString path;
    if (!ScreenFilePath(app, number, name, &path) || !copyReplacing(CopyTempPath(app), path))
        return nullptr;
    CScreenObject* screen = app.model.AddScreen(number, name);
    return screen;
}

RenameResult RenameScreen(CTessanApp& app, int oldNumber, int newNumber, const QString& newName,
                          CTessanDoc* loadedDoc)
{
    const CScreenObject* old = app.model.FindScreen(oldNumber);
    if (!old)
        return RenameResult::Failed;
    if (oldNumber == newNumber && old->name == newName)
        return RenameResult::Unchanged;
    QString oldPath, newPath;
    if (!ScreenFilePath(app, oldNumber, old->name, &oldPath)
        || !ScreenFilePath(app, newNumber, newName, &newPath))
        return RenameResult::Failed;
    if (oldPath == newPath)
        return RenameResult::Unchanged;
    if (loadedDoc) {
        QDir().mkpath(app.ProjectFolder());
        if (!loadedDoc->Save(oldPath))
            return RenameResult::Failed;
    }
    if (!QFile::exists(oldPath) || !copyReplacing(oldPath, newPath))
        return RenameResult::Failed;

    CScreenObject kept = *old;
    app.model.RemoveScreen(oldNumber);
    QFile::remove(oldPath);
    CScreenObject* renamed = app.model.AddScreen(newNumber, newName);
    renamed->screenChange = kept.screenChange;
    renamed->keys = kept.keys;
    return RenameResult::Renamed;
}

bool DeleteScreen(CTessanApp& app, int number)
{
    const CScreenObject* screen = app.model.FindScreen(number);
    if (!screen)
        return false;
    QString path;
    const bool hasPath = ScreenFilePath(app, number, screen->name, &path);
    app.model.RemoveScreen(number);
    if (hasPath)
        QFile::remove(path);
    return true;
}

} // namespace ScreenCommands

#include "DesktopIntegration.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QString kEntryName = QStringLiteral("corvel.desktop");
const QString kMimeName = QStringLiteral("corvel-project.xml");
const QString kDefaultIcon = QStringLiteral("corvel");

const char kMimePackage[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
    "  <mime-type type=\"application/x-corvel-project\">\n"
    "    <comment>Corvel project</comment>\n"
    "    <sub-class-of type=\"application/zip\"/>\n"
    "    <generic-icon name=\"corvel\"/>\n"
    "    <glob pattern=\"*.cgp\"/>\n"
    "  </mime-type>\n"
    "</mime-info>\n";

const char kDesktopEntry[] = "[Desktop Entry]\n"
                             "Type=Application\n"
                             "Name=Corvel\n"
                             "GenericName=Operator Panel Configuration\n"
                             "Exec=qv %f\n"
                             "Icon=corvel\n"
                             "Terminal=false\n"
                             "MimeType=application/x-corvel-project;\n"
                             "Categories=Development;Engineering;\n";

// The panel: a dark frame, the display and the five function keys.
const char kIconSvg[] =
    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"48\" height=\"48\" viewBox=\"0 0 48 48\">\n"
    "  <rect x=\"3\" y=\"8\" width=\"42\" height=\"32\" rx=\"4\" fill=\"#37474f\"/>\n"
    "  <rect x=\"7\" y=\"12\" width=\"34\" height=\"14\" fill=\"#c5e1a5\"/>\n"
    "  <rect x=\"10\" y=\"16\" width=\"18\" height=\"2\" fill=\"#263238\"/>\n"
    "  <rect x=\"10\" y=\"20\" width=\"12\" height=\"2\" fill=\"#263238\"/>\n"
    "  <g fill=\"#eceff1\">\n"
    "    <rect x=\"7\" y=\"30\" width=\"5\" height=\"5\"/><rect x=\"14\" y=\"30\" width=\"5\" height=\"5\"/>\n"
    "    <rect x=\"21\" y=\"30\" width=\"5\" height=\"5\"/><rect x=\"28\" y=\"30\" width=\"5\" height=\"5\"/>\n"
    "    <rect x=\"35\" y=\"30\" width=\"5\" height=\"5\"/>\n"
    "  </g>\n"
    "</svg>\n";

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

// A value of the desktop entry's Exec key: the program quoted, with the
// characters that a quoted argument escapes, and then the escapes of a
// string value.
QString execQuoted(const QString& program)
{
    QString arg;
    for (QChar c : program) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$')
            || c == QLatin1Char('\\'))
            arg += QLatin1Char('\\');
        arg += c;
        if (c == QLatin1Char('%'))
            arg += c; // "%%": a field code stands for the character itself
    }
    arg = QLatin1Char('"') + arg + QLatin1Char('"');
    arg.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return arg;
}

// The first argument of an Exec value, quotes and escapes undone.
QString execProgram(QString value)
{
    value.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
    value = value.trimmed();
    if (!value.startsWith(QLatin1Char('"')))
        return value.section(QLatin1Char(' '), 0, 0);
    QString out;
    for (qsizetype i = 1; i < value.size(); ++i) {
        if (value[i] == QLatin1Char('\\') && i + 1 < value.size())
            out += value[++i];
        else if (value[i] == QLatin1Char('"'))
            break;
        else if (value[i] == QLatin1Char('%') && i + 1 < value.size()
                 && value[i + 1] == QLatin1Char('%'))
            out += value[i++];
        else
            out += value[i];
    }
    return out;
}

QString keyValue(const QByteArray& entry, const char* key)
{
    const QByteArray prefix = QByteArray(key) + '=';
    for (const QByteArray& line : entry.split('\n'))
        if (line.startsWith(prefix))
            return QString::fromUtf8(line.mid(prefix.size())).trimmed();
    return QString();
}

} // namespace

CDesktopIntegration::CDesktopIntegration(QString programPath, QString sourceDir, QString dataHome)
    : program_(std::move(programPath)),
      source_(std::move(sourceDir)),
      dataHome_(std::move(dataHome))
{}

CDesktopIntegration CDesktopIntegration::ForRunningProgram()
{
    QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty())
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    return CDesktopIntegration(QCoreApplication::applicationFilePath(),
                               QCoreApplication::applicationDirPath() + QStringLiteral("/desktop"),
                               dataHome);
}

QString CDesktopIntegration::DesktopEntryPath() const
{
    return dataHome_ + QStringLiteral("/applications/") + kEntryName;
}

QString CDesktopIntegration::MimePackagePath() const
{
    return dataHome_ + QStringLiteral("/mime/packages/") + kMimeName;
}

QString CDesktopIntegration::iconName() const
{
    const QString name = keyValue(readFile(source_ + QLatin1Char('/') + kEntryName), "Icon");
    return name.isEmpty() || name.contains(QLatin1Char('/')) ? kDefaultIcon : name;
}

QByteArray CDesktopIntegration::desktopEntry() const
{
    QByteArray entry = readFile(source_ + QLatin1Char('/') + kEntryName);
    if (!entry.startsWith("[Desktop Entry]"))
        entry = kDesktopEntry;
    // The entry starts this very program, wherever it lies.
    QByteArray out;
    for (const QByteArray& line : entry.split('\n')) {
        if (line.startsWith("Exec="))
            out += "Exec=" + execQuoted(program_).toUtf8() + " %f";
        else if (line.startsWith("TryExec="))
            out += "TryExec="
                   + QString(program_).replace(QLatin1Char('\\'), QStringLiteral("\\\\")).toUtf8();
        else
            out += line;
        out += '\n';
    }
    while (out.endsWith("\n\n"))
        out.chop(1);
    return out;
}

bool CDesktopIntegration::entryProgramExists(const QString& entryPath) const
{
    const QString program = execProgram(keyValue(readFile(entryPath), "Exec"));
    return !program.isEmpty() && QFileInfo(program).isExecutable();
}

QStringList CDesktopIntegration::InstallWhenMissing()
{
    QStringList written;
    bool entryWritten = false, mimeWritten = false;

    const QString entryPath = DesktopEntryPath();
    if ((!QFileInfo::exists(entryPath) || !entryProgramExists(entryPath))
        && writeFile(entryPath, desktopEntry())) {
        written.append(entryPath);
        entryWritten = true;
    }

    const QString mimePath = MimePackagePath();
    if (!QFileInfo::exists(mimePath)) {
        QByteArray mime = readFile(source_ + QLatin1Char('/') + kMimeName);
        if (!mime.contains("<mime-info"))
            mime = kMimePackage;
        if (writeFile(mimePath, mime)) {
            written.append(mimePath);
            mimeWritten = true;
        }
    }

    // Icons: every picture of desktop/ in its size's folder, else the drawing above.
    const QString icons = dataHome_ + QStringLiteral("/icons/hicolor/");
    const QString name = iconName();
    QStringList pictures = QDir(source_).entryList(
        {QStringLiteral("*.png"), QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
    QList<QPair<QString, QString>> iconFiles; // source (empty: built in), target
    for (const QString& p : pictures) {
        const QString from = source_ + QLatin1Char('/') + p;
        if (p.endsWith(QStringLiteral(".svg"))) {
            iconFiles.append(
                {from, icons + QStringLiteral("scalable/apps/") + name + QStringLiteral(".svg")});
            continue;
        }
        const QSize size = QImageReader(from).size();
        if (size.isValid() && size.width() == size.height())
            iconFiles.append({from, icons + QStringLiteral("%1x%1/apps/").arg(size.width()) + name
                                        + QStringLiteral(".png")});
    }
    if (iconFiles.isEmpty())
        iconFiles.append(
            {QString(), icons + QStringLiteral("scalable/apps/") + name + QStringLiteral(".svg")});
    for (const auto& [from, to] : iconFiles) {
        if (QFileInfo::exists(to))
            continue;
        const QByteArray bytes = from.isEmpty() ? QByteArray(kIconSvg) : readFile(from);
        if (!bytes.isEmpty() && writeFile(to, bytes))
            written.append(to);
    }

    if (mimeWritten)
        runTool(QStringLiteral("update-mime-database"), dataHome_ + QStringLiteral("/mime"));
    if (entryWritten)
        runTool(QStringLiteral("update-desktop-database"),
                dataHome_ + QStringLiteral("/applications"));
    return written;
}

void CDesktopIntegration::runTool(const QString& tool, const QString& folder) const
{
    if (!runTools_)
        return;
    const QString path = QStandardPaths::findExecutable(tool);
    if (!path.isEmpty())
        QProcess::startDetached(path, {folder}); // a failure changes nothing
}

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>

CTestProgramFolder::CTestProgramFolder()
{
    for (const char* f : {"QV_Str.en", "QV_Str.chs"})
        QFile::copy(QStringLiteral(QV_BIN_DIR "/") + QLatin1String(f),
                    dir_.path() + QLatin1Char('/') + QLatin1String(f));
    AppPaths paths = AppPaths::ForProgramDir(dir_.path());
    paths.CreateWorkFolders();
    app_ = std::make_unique<CTessanApp>(paths, paths.TempProjectDir());
    app_->messages = this;
}

QStringList CTestProgramFolder::MessageTexts() const
{
    QStringList out;
    for (const auto& m : messages)
        out.append(m.first);
    return out;
}

namespace TestSupport {

QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray Utf16(const QString& text)
{
    QByteArray out;
    for (QChar c : text) {
        out.append(char(c.unicode() & 0xFF));
        out.append(char(c.unicode() >> 8));
    }
    return out;
}

int Run(const QString& program, const QStringList& args, QByteArray* out, QByteArray* err,
        int timeoutMs)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForStarted() || !p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return -1;
    }
    if (out)
        *out = p.readAllStandardOutput();
    if (err)
        *err = p.readAllStandardError();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

QString QvCli()
{
    return QStringLiteral(QV_BIN_DIR "/qv-cli");
}

QStringList ZipEntries(const QString& zipPath)
{
    QByteArray out;
    Run(QStringLiteral("python3"),
        {QStringLiteral("-c"),
         QStringLiteral("import sys,zipfile\n"
                        "for i in zipfile.ZipFile(sys.argv[1]).infolist():\n"
                        "  n=i.filename\n"
                        "  if not i.flag_bits & 0x800: n=n.encode('cp437').decode('gbk')\n"
                        "  sys.stdout.buffer.write(n.encode('utf-8')+b'\\n')\n"),
         zipPath},
        &out);
    QStringList names = QString::fromUtf8(out).split(QLatin1Char('\n'));
    names.removeAll(QString());
    return names;
}

QByteArray ZipEntryBytes(const QString& zipPath, const QString& entry)
{
    QByteArray out;
    Run(QStringLiteral("python3"),
        {QStringLiteral("-c"),
         QStringLiteral("import sys,zipfile\n"
                        "z=zipfile.ZipFile(sys.argv[1])\n"
                        "for i in z.infolist():\n"
                        "  n=i.filename\n"
                        "  if not i.flag_bits & 0x800: n=n.encode('cp437').decode('gbk')\n"
                        "  if n==sys.argv[2]: sys.stdout.buffer.write(z.read(i))\n"),
         zipPath, entry},
        &out);
    return out;
}

} // namespace TestSupport

#include "ScreenFileReader.h"

#include <QFile>
#include <QRegularExpression>

namespace ScreenFileReader {
namespace {

QString Unescape(QString s)
{
    s.replace(QStringLiteral("\\colon"), QStringLiteral("`"));
    s.replace(QStringLiteral("\\semicolon"), QStringLiteral(";"));
    s.replace(QStringLiteral("\\comma"), QStringLiteral(","));
    s.replace(QStringLiteral("\\newline"), QStringLiteral("\r\n"));
    return s;
}

bool ReadObject(const QString& line, ObjectLine* out, QString* error)
{
    const QStringList halves = line.split(QLatin1Char('`'));
    if (halves.size() != 2) {
        *error = QStringLiteral("not one grave accent: ") + line;
        return false;
    }
    QString rest = halves[1];
    if (!rest.endsWith(QLatin1Char(';'))) {
        *error = QStringLiteral("no closing semicolon: ") + line;
        return false;
    }
    rest.chop(1);
    const QStringList pieces = rest.split(QLatin1Char(','));
    if (pieces.size() < 7) {
        *error = QStringLiteral("fewer than seven base fields: ") + line;
        return false;
    }
    out->kind = halves[0];
    out->left = pieces[0];
    out->top = pieces[1];
    out->right = pieces[2];
    out->bottom = pieces[3];
    out->title = Unescape(pieces[4]);
    out->name = Unescape(pieces[5]);
    out->group = pieces[6];
    out->fields = pieces.mid(7);
    return true;
}

} // namespace

RegisterFields ObjectLine::Register(int first) const
{
    return {Field(first),     Field(first + 1), Field(first + 2),
            Field(first + 3), Field(first + 4), Field(first + 5)};
}

ScreenFile Read(const QByteArray& bytes)
{
    ScreenFile file;
    if (bytes.size() % 2 != 0) {
        file.error = QStringLiteral("an odd number of bytes");
        return file;
    }
    QString text;
    for (qsizetype i = 0; i < bytes.size(); i += 2)
        text.append(QChar(char16_t(quint8(bytes[i]) | (quint8(bytes[i + 1]) << 8))));
    if (!text.endsWith(QStringLiteral("\r\n"))) {
        file.error = QStringLiteral("the last line does not end in CR LF");
        return file;
    }
    text.chop(2);
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    static const QRegularExpression header(QStringLiteral("^paper:(-?\\d+),(-?\\d+);$"));
    const QRegularExpressionMatch m = header.match(lines.value(0));
    if (!m.hasMatch()) {
        file.error = QStringLiteral("no header line: ") + lines.value(0);
        return file;
    }
    file.paperWidth = m.captured(1).toInt();
    file.paperHeight = m.captured(2).toInt();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        ObjectLine object;
        if (!ReadObject(lines[i], &object, &file.error))
            return file;
        file.objects.append(object);
    }
    file.ok = true;
    return file;
}

ScreenFile ReadFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        ScreenFile file;
        file.error = QStringLiteral("cannot open ") + path;
        return file;
    }
    return Read(f.readAll());
}

} // namespace ScreenFileReader

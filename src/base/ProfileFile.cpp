#include "ProfileFile.h"
#include "TextCodec936.h"
#include "Utf16Le.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

enum class Encoding { Utf8, Utf8Bom, Utf16, Utf16Bom, Cp936 };

struct LoadedFile
{
    bool exists = false;
    Encoding encoding = Encoding::Utf8;
    QString eol = QStringLiteral("\r\n");
    QStringList lines;
    QByteArray bytes; // as read
};

bool isEightBit(Encoding enc)
{
    return enc == Encoding::Utf8 || enc == Encoding::Utf8Bom || enc == Encoding::Cp936;
}

// The lines of 8-bit bytes as the decoded text splits them: at each line
// feed, a carriage return before it going with it.
QList<QByteArray> rawLines(QByteArrayView body)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start <= body.size()) {
        qsizetype end = body.indexOf('\n', start);
        QByteArrayView line = body.sliced(start, (end < 0 ? body.size() : end) - start);
        if (end >= 0 && line.endsWith('\r'))
            line.chop(1);
        lines.append(line.toByteArray());
        if (end < 0)
            break;
        start = end + 1;
    }
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool looksLikeUtf16Le(const QByteArray& bytes)
{
    // Text written as UTF-16LE without a byte-order mark: the high byte of
    // nearly every character of an INI file is zero.
    if (bytes.size() < 2 || bytes.size() % 2 != 0)
        return false;
    qsizetype zeros = 0, pairs = bytes.size() / 2;
    for (qsizetype i = 1; i < bytes.size(); i += 2)
        if (bytes[i] == 0)
            ++zeros;
    return zeros * 2 > pairs;
}

LoadedFile decode(const QByteArray& bytes)
{
    LoadedFile f;
    f.exists = true;
    QString text;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        f.encoding = Encoding::Utf8Bom;
        text = QString::fromUtf8(bytes.mid(3));
    } else if (bytes.startsWith("\xFF\xFE")) {
        f.encoding = Encoding::Utf16Bom;
        text = Utf16Le::Decode(QByteArrayView(bytes).sliced(2));
    } else if (looksLikeUtf16Le(bytes)) {
        f.encoding = Encoding::Utf16;
        text = Utf16Le::Decode(bytes);
    } else {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = utf8.decode(bytes);
        if (utf8.hasError()) {
            f.encoding = Encoding::Cp936;
            text = TextCodec936::Decode(bytes);
        }
    }
    if (!text.contains(QLatin1String("\r\n")) && text.contains(QLatin1Char('\n')))
        f.eol = QStringLiteral("\n");
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    f.lines = text.split(QLatin1Char('\n'));
    // A final line break leaves one empty element that is no line of the file.
    if (!f.lines.isEmpty() && f.lines.last().isEmpty())
        f.lines.removeLast();
    f.bytes = bytes;
    return f;
}

LoadedFile load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return LoadedFile();
    return decode(file.readAll());
}

QByteArray encode(const QString& text, Encoding enc)
{
    switch (enc) {
    case Encoding::Utf8: return text.toUtf8();
    case Encoding::Utf8Bom: return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case Encoding::Utf16:
    case Encoding::Utf16Bom:
        return (enc == Encoding::Utf16Bom ? QByteArray("\xFF\xFE", 2) : QByteArray())
               + Utf16Le::Encode(text);
    case Encoding::Cp936: return TextCodec936::Encode(text);
    }
    return {};
}

// "[name]" -> name; anything else -> null.
QString sectionName(const QString& line)
{
    QString t = line.trimmed();
    if (t.size() >= 2 && t.startsWith(QLatin1Char('[')) && t.contains(QLatin1Char(']')))
        return t.mid(1, t.indexOf(QLatin1Char(']')) - 1).trimmed();
    return QString();
}

bool splitKeyLine(const QString& line, QString* key, QString* value)
{
    qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return false;
    *key = line.left(eq).trimmed();
    *value = line.mid(eq + 1).trimmed();
    return true;
}

// Index range [begin, end) of the section's body; begin == -1 when absent.
void findSection(const QStringList& lines, const QString& section, qsizetype* begin, qsizetype* end)
{
    *begin = -1;
    *end = lines.size();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString name = sectionName(lines[i]);
        if (name.isNull())
            continue;
        if (*begin >= 0) {
            *end = i;
            return;
        }
        if (name.compare(section, Qt::CaseInsensitive) == 0)
            *begin = i + 1;
    }
}

qsizetype findKey(const QStringList& lines, qsizetype begin, qsizetype end, const QString& key,
                  QString* value)
{
    for (qsizetype i = begin; i < end; ++i) {
        QString k, v;
        if (lines[i].trimmed().startsWith(QLatin1Char(';')))
            continue;
        if (splitKeyLine(lines[i], &k, &v) && k.compare(key, Qt::CaseInsensitive) == 0) {
            if (value) {
                // A value in matching quotes loses them, as the profile calls do.
                if (v.size() >= 2
                    && ((v.startsWith('"') && v.endsWith('"'))
                        || (v.startsWith('\'') && v.endsWith('\''))))
                    v = v.mid(1, v.size() - 2);
                *value = v;
            }
            return i;
        }
    }
    return -1;
}

} // namespace

namespace {

QString lookup(const QStringList& lines, const QString& section, const QString& key,
               const QString& defaultValue)
{
    qsizetype begin, end;
    findSection(lines, section, &begin, &end);
    if (begin < 0)
        return defaultValue;
    QString value;
    if (findKey(lines, begin, end, key, &value) < 0)
        return defaultValue;
    return value;
}

const QString kMissing = QStringLiteral("\x01missing");

// The file's bytes with one value set (replaced, or added to its section).
QByteArray withValue(LoadedFile& f, const QString& section, const QString& key,
                     const QString& value);

} // namespace

QString CProfileFile::ReadString(const QString& path, const QString& section, const QString& key,
                                 const QString& defaultValue)
{
    LoadedFile f = load(path);
    if (!f.exists)
        return defaultValue;
    return lookup(f.lines, section, key, defaultValue);
}

QString CProfileFile::ReadStringFromBytes(const QByteArray& bytes, const QString& section,
                                          const QString& key, const QString& defaultValue)
{
    return lookup(decode(bytes).lines, section, key, defaultValue);
}

int CProfileFile::ReadIntFromBytes(const QByteArray& bytes, const QString& section,
                                   const QString& key, int defaultValue)
{
    QString value = ReadStringFromBytes(bytes, section, key, kMissing);
    return value == kMissing ? defaultValue : ParseInt(value, 0);
}

QString CProfileFile::ReadStringFromText(const QString& text, const QString& section,
                                         const QString& key, const QString& defaultValue)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return lookup(t.split(QLatin1Char('\n')), section, key, defaultValue);
}

int CProfileFile::ReadIntFromText(const QString& text, const QString& section, const QString& key,
                                  int defaultValue)
{
    QString value = ReadStringFromText(text, section, key, kMissing);
    return value == kMissing ? defaultValue : ParseInt(value, 0);
}

int CProfileFile::ParseInt(const QString& text, int defaultValue)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    qsizetype start = i;
    quint32 value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        value = value * 10 + quint32(text[i++].unicode() - '0');
    if (i == start)
        return defaultValue;
    return int(negative ? 0u - value : value);
}

int CProfileFile::ReadInt(const QString& path, const QString& section, const QString& key,
                          int defaultValue)
{
    QString text = ReadString(path, section, key, kMissing);
    if (text == kMissing)
        return defaultValue;
    return ParseInt(text, 0);
}

bool CProfileFile::WriteString(const QString& path, const QString& section, const QString& key,
                               const QString& value)
{
    LoadedFile f = load(path);
    if (!f.exists && QFile::exists(path))
        return false; // present but unreadable: never overwrite what we could not read
    const QByteArray bytes = withValue(f, section, key, value);
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(bytes);
    return out.commit();
}

QByteArray CProfileFile::WithValue(const QByteArray& bytes, const QString& section,
                                   const QString& key, const QString& value)
{
    LoadedFile f = decode(bytes);
    return withValue(f, section, key, value);
}

namespace {

QByteArray withValue(LoadedFile& f, const QString& section, const QString& key,
                     const QString& value)
{
    qsizetype begin, end;
    findSection(f.lines, section, &begin, &end);
    const QString line = key + QLatin1Char('=') + value;
    // The bytes of each line of an 8-bit file, so that a write leaves the
    // lines it does not touch exactly as they were; a null entry is a line
    // to encode anew.
    QList<QByteArray> raw;
    if (isEightBit(f.encoding))
        raw = rawLines(QByteArrayView(f.bytes).sliced(f.encoding == Encoding::Utf8Bom ? 3 : 0));
    if (raw.size() != f.lines.size())
        raw.clear(); // lines the decoder ran together: all encoded anew
    const bool keepBytes = !raw.isEmpty();
    if (begin < 0) {
        f.lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        f.lines.append(line);
        if (keepBytes)
            raw.append({QByteArray(), QByteArray()});
    } else {
        qsizetype at = findKey(f.lines, begin, end, key, nullptr);
        if (at >= 0) {
            f.lines[at] = line;
            if (keepBytes)
                raw[at] = QByteArray();
        } else {
            // After the section's last non-blank line.
            qsizetype insertAt = end;
            while (insertAt > begin && f.lines[insertAt - 1].trimmed().isEmpty())
                --insertAt;
            f.lines.insert(insertAt, line);
            if (keepBytes)
                raw.insert(insertAt, QByteArray());
        }
    }

    // The bytes must read back as the lines meant: a file taken for code
    // page 936 because of a stray byte, say, may read as UTF-8 once that
    // byte is gone, and split into other sections. The first way that
    // reads back is written.
    auto readsBack = [](const QByteArray& bytes, const QStringList& lines) {
        return decode(bytes).lines == lines;
    };
    // Each untouched line as its bytes stood.
    if (keepBytes) {
        const QByteArray eol = f.eol.toLatin1();
        const bool cp936 = f.encoding == Encoding::Cp936;
        QByteArray bytes = f.encoding == Encoding::Utf8Bom ? "\xEF\xBB\xBF" : "";
        bool encodable = true;
        for (qsizetype i = 0; i < f.lines.size(); ++i) {
            if (raw[i].isNull()) {
                const QByteArray line =
                    encode(f.lines[i], cp936 ? Encoding::Cp936 : Encoding::Utf8);
                encodable = encodable && (!cp936 || TextCodec936::Decode(line) == f.lines[i]);
                bytes += line;
            } else {
                bytes += raw[i];
            }
            bytes += eol;
        }
        // Kept lines of UTF-8 and new lines in it read as before unless zero
        // bytes make the file pass for UTF-16; a code page 936 file reads so
        // while it is not valid UTF-8.
        const bool mayReadOtherwise =
            bytes.contains('\0') || (cp936 && QByteArrayView(bytes).isValidUtf8());
        if (encodable && (!mayReadOtherwise || readsBack(bytes, f.lines)))
            return bytes;
    }
    // The whole text encoded anew. An 8-bit file holds no NUL characters;
    // written back, the zero bytes of damaged lines would make the next read
    // take the file for UTF-16 and lose every value in it, the one just
    // written included. They become replacement characters, which no key or
    // section name matches either.
    QStringList lines = f.lines;
    if (isEightBit(f.encoding))
        for (QString& l : lines)
            l.replace(QChar(0), QChar(QChar::ReplacementCharacter));
    const QString text = lines.join(f.eol) + f.eol;
    const QByteArray bytes = encode(text, f.encoding);
    if (readsBack(bytes, lines))
        return bytes;
    // Last, UTF-8 with its byte-order mark, which reads back as written.
    return encode(text, Encoding::Utf8Bom);
}

} // namespace

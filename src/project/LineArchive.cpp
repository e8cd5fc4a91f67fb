#include "LineArchive.h"
#include "base/Utf16Le.h"

CLineArchive::CLineArchive() : storing_(true) {}

CLineArchive::CLineArchive(const QByteArray& fileBytes) : storing_(false)
{
    text_ = Utf16Le::Decode(fileBytes);
}

void CLineArchive::WriteLine(const QString& text)
{
    out_.append(Utf16Le::Encode(text));
    out_.append("\n\0", 2);
}

bool CLineArchive::ReadLine(QString* text)
{
    if (AtEnd())
        return false;
    qsizetype start = pos_;
    while (pos_ < text_.size()) {
        QChar c = text_[pos_];
        if (c == QLatin1Char('\n')) {
            *text = text_.mid(start, pos_ - start);
            ++pos_;
            return true;
        }
        if (c == QLatin1Char('\r')) {
            *text = text_.mid(start, pos_ - start);
            pos_ = std::min(pos_ + 2, text_.size());
            return true;
        }
        ++pos_;
    }
    *text = text_.mid(start);
    return true;
}

int CLineArchive::ParseNumber(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size()
           && (text[i] == ' ' || text[i] == '\t' || text[i] == '\v' || text[i] == '\f'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    quint32 value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        value = value * 10u + quint32(text[i++].unicode() - '0');
    return int(negative ? 0u - value : value);
}

QString CLineArchive::HeaderLine(const char* title)
{
    QString line = QStringLiteral("//") + QString::fromLatin1(title);
    return line.leftJustified(74, QLatin1Char('/'), true);
}

void CLineArchive::Io(QString& value)
{
    if (storing_)
        WriteLine(value);
    else
        ReadLine(&value);
}

void CLineArchive::Io(int& value)
{
    if (storing_) {
        WriteLine(QString::number(value));
        return;
    }
    QString line;
    if (ReadLine(&line))
        value = ParseNumber(line);
}

void CLineArchive::Io(quint8& value)
{
    if (storing_) {
        WriteLine(QString::number(value));
        return;
    }
    QString line;
    if (ReadLine(&line))
        value = quint8(ParseNumber(line));
}

void CLineArchive::Io(quint16& value)
{
    if (storing_) {
        WriteLine(QString::number(value));
        return;
    }
    QString line;
    if (ReadLine(&line))
        value = quint16(ParseNumber(line));
}

void CLineArchive::Header(const char* title)
{
    if (storing_) {
        WriteLine(HeaderLine(title));
    } else {
        QString skipped;
        ReadLine(&skipped);
    }
}

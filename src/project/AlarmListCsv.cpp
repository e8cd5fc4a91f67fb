#include "AlarmListCsv.h"
#include "AlarmListRules.h"
#include "ProjectModel.h"
#include "RegisterRefText.h"

#include <QStringDecoder>

namespace AlarmListCsv {

namespace {

QString field(const QString& text)
{
    const bool quote = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"'))
                       || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))
                       || (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!quote)
        return text;
    QString out = text;
    out.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

struct Record
{
    QStringList fields;
    int line = 1; // where the record begins
};

// RFC 4180 records; LF or CR LF ends a record outside quotes. False for a
// quote left open or text after a closing quote.
bool splitRecords(const QString& text, QList<Record>* records, int* badLine)
{
    Record current;
    QString value;
    bool inQuotes = false;
    bool quoted = false; // the field began with a quote
    bool afterQuote = false;
    int line = 1;
    auto endField = [&] {
        current.fields.append(value);
        value.clear();
        quoted = afterQuote = false;
    };
    auto endRecord = [&] {
        endField();
        records->append(current);
        current = Record();
        current.line = line;
    };
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inQuotes) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    value += c;
                    ++i;
                } else {
                    inQuotes = false;
                    afterQuote = true;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                value += c;
            }
            continue;
        }
        if (c == QLatin1Char(',')) {
            endField();
        } else if (c == QLatin1Char('\r') && i + 1 < text.size()
                   && text[i + 1] == QLatin1Char('\n')) {
            continue;
        } else if (c == QLatin1Char('\n')) {
            ++line;
            endRecord();
        } else if (c == QLatin1Char('"') && value.isEmpty() && !quoted) {
            inQuotes = quoted = true;
        } else if (afterQuote) {
            *badLine = current.line;
            return false;
        } else {
            value += c;
        }
    }
    if (inQuotes) {
        *badLine = current.line;
        return false;
    }
    if (!value.isEmpty() || !current.fields.isEmpty() || quoted)
        endRecord();
    return true;
}

bool hasControlCharacter(const QString& text)
{
    for (QChar c : text)
        if (c.category() == QChar::Other_Control)
            return true;
    return false;
}

} // namespace

QByteArray Write(const RegisterRef& start, const QStringList& messages)
{
    QString text = QStringLiteral("coil,message\r\n");
    for (int r = 0; r < messages.size(); ++r)
        text += field(AlarmListRules::CoilOfRow(start, r).ToText()) + QLatin1Char(',')
                + field(messages[r]) + QStringLiteral("\r\n");
    return text.toUtf8();
}

std::optional<Content> Read(const QByteArray& bytes, const CProjectModel& model, LocalText* error)
{
    auto fail = [&](const LocalText& why) -> std::optional<Content> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return fail({QStringLiteral("The file is not UTF-8 text"), {}, {}});
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    QList<Record> records;
    int badLine = 0;
    if (!splitRecords(text, &records, &badLine))
        return fail({QStringLiteral("Line %1 of the file has a quote that is not closed"),
                     {QString::number(badLine)},
                     {}});
    // Lines with nothing on them are no rows.
    records.removeIf(
        [](const Record& r) { return r.fields.size() == 1 && r.fields[0].trimmed().isEmpty(); });
    if (records.isEmpty() || records[0].fields.size() != 2
        || records[0].fields[0].trimmed().compare(QLatin1String("coil"), Qt::CaseInsensitive) != 0
        || records[0].fields[1].trimmed().compare(QLatin1String("message"), Qt::CaseInsensitive)
               != 0)
        return fail(
            {QStringLiteral("The first line of an alarm list file must be coil,message"), {}, {}});
    if (records.size() - 1 > AlarmListRules::kMaxAlarms)
        return fail({QStringLiteral("The file holds more than %1 alarms"),
                     {QString::number(AlarmListRules::kMaxAlarms)},
                     {}});

    Content content;
    for (int r = 1; r < records.size(); ++r) {
        const Record& rec = records[r];
        const QString row = QString::number(r);
        const QString line = QString::number(rec.line);
        if (rec.fields.size() != 2)
            return fail(
                {QStringLiteral("Row %1 (line %2 of the file) is invalid: it must hold a coil "
                                "and a message"),
                 {row, line},
                 {}});
        LocalText why;
        const auto coil = RegisterRefText::Parse(model, rec.fields[0], RegisterRef::KindBit, &why);
        if (!coil)
            return fail(
                {QStringLiteral("Row %1 (line %2 of the file) is invalid: the coil %3 is not "
                                "a coil of the project"),
                 {row, line, rec.fields[0].trimmed()},
                 {}});
        if (!content.start) {
            content.start = *coil;
        } else {
            const RegisterRef expected = AlarmListRules::CoilOfRow(*content.start, r - 1);
            if (!(*coil == expected))
                return fail(
                    {QStringLiteral("Row %1 (line %2 of the file) is invalid: its coil must "
                                    "be %3, the one after the row before"),
                     {row, line, expected.ToText()},
                     {}});
        }
        const QString& message = rec.fields[1];
        if (!AlarmListRules::IsValidMessage(message) || hasControlCharacter(message))
            return fail({QStringLiteral("Row %1 (line %2 of the file) is invalid: the message must "
                                        "have 1 to 24 characters"),
                         {row, line},
                         {}});
        content.messages.append(message);
    }
    return content;
}

} // namespace AlarmListCsv

#include "PrjIni.h"
#include "base/ProfileFile.h"
#include "base/TextCodec936.h"
#include "base/Utf16Le.h"

namespace PrjIni {

QByteArray Build(const QString& projectName, const VersionNumber& v)
{
    // One substitution pass: a project name holding "%2" and the like stays as it is.
    QString text = QStringLiteral("[CONFIG]\r\nName=%1\r\nVersionHH=%2\r\nVersionHL=%3\r\n"
                                  "VersionLH=%4\r\nVersionLL=%5")
                       .arg(projectName, QString::number(v.hh), QString::number(v.hl),
                            QString::number(v.lh), QString::number(v.ll));
    return TextCodec936::Encode(text);
}

Content Parse(const QByteArray& bytes)
{
    QString text;
    if (bytes.startsWith("\xFF\xFE"))
        text = Utf16Le::Decode(QByteArrayView(bytes).sliced(2));
    else if (bytes.startsWith("\xEF\xBB\xBF"))
        text = QString::fromUtf8(bytes.mid(3));
    else
        text = TextCodec936::Decode(bytes);
    const QString section = QStringLiteral("CONFIG");
    Content c;
    c.name = CProfileFile::ReadStringFromText(text, section, QStringLiteral("Name")).left(999);
    auto num = [&](const char* key) {
        return quint16(CProfileFile::ReadIntFromText(text, section, QString::fromLatin1(key), 0));
    };
    c.version =
        VersionNumber{num("VersionHH"), num("VersionHL"), num("VersionLH"), num("VersionLL")};
    return c;
}

} // namespace PrjIni

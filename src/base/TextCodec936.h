#pragma once
#include <QByteArray>
#include <QString>

// Code page 936 (Simplified Chinese, GBK), as the platform converts it: the code page of
// Prj.ini, of package entry names and of the panel's encoded text.
namespace TextCodec936 {

QByteArray Encode(const QString& text);
QString Decode(const QByteArray& bytes);
// Number of bytes the character takes in code page 936: 1 or 2; a character
// the code page cannot encode counts as 1.
int EncodedLength(char32_t ch);

} // namespace TextCodec936

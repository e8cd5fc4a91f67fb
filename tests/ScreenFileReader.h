#pragma once
// A reader of screen files for the tests, written from the file's layout and
// sharing nothing with the product's reader: UTF-16LE text, every line ending
// in CR LF, the header "paper:%i,%i;", then one line per object, bottom-most
// first: kind name, grave accent, left, top, right, bottom, title, name,
// group, then the kind's fields, all separated by commas, ending in ";".
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace ScreenFileReader {

// A register or coil: six consecutive kind fields in this order.
struct RegisterFields
{
    QString device;
    QString area;
    QString address;
    QString bit;
    QString bitOfWord;
    QString radix;
    bool operator==(const RegisterFields&) const = default;
};

struct ObjectLine
{
    QString kind;
    QString left, top, right, bottom; // as written ("%f")
    QString title;                    // unescaped
    QString name;                     // unescaped
    QString group;
    QStringList fields; // the kind fields, as written

    // Kind field n, counted from 1 as the layout counts them; empty past the end.
    QString Field(int n) const { return n >= 1 && n <= fields.size() ? fields[n - 1] : QString(); }
    RegisterFields Register(int first) const;
};

struct ScreenFile
{
    bool ok = false;
    QString error; // what broke the layout, when not ok
    int paperWidth = 0;
    int paperHeight = 0;
    QList<ObjectLine> objects;
};

ScreenFile Read(const QByteArray& bytes);
ScreenFile ReadFile(const QString& path);

} // namespace ScreenFileReader

#pragma once
#include <QByteArray>
#include <QString>
#include <QtGlobal>

class CProjectModel;

// The line archive of the project document file: UTF-16LE without byte-order
// mark, one value per line. Storing appends each value and one line feed.
// Loading ends a line at LF; at CR it ends the line and also drops the next
// character (the LF of a CR LF pair). A read at the end of the data leaves
// the field as it was.
class CLineArchive
{
public:
    // A storing archive.
    CLineArchive();
    // A loading archive over the file's bytes.
    explicit CLineArchive(const QByteArray& fileBytes);

    bool IsStoring() const { return storing_; }
    bool IsLoading() const { return !storing_; }
    bool AtEnd() const { return pos_ >= text_.size(); }

    // Loading in legacy range mode: set-register actions have eight lines.
    bool legacyRangeMode = false;
    // The model whose device list and PLC type fill the references of the
    // entries that loading constructs.
    const CProjectModel* model = nullptr;

    // Store the value or load it, by the archive's direction.
    void Io(QString& value);
    void Io(int& value);
    void Io(quint8& value);
    void Io(quint16& value);
    // A record's header line: written as "//<title>///...", 74 characters in
    // all; read and thrown away unseen.
    void Header(const char* title);

    void WriteLine(const QString& text);
    bool ReadLine(QString* text);

    // Leading blanks, an optional sign, then the leading digits; no digits
    // reads as 0. Wraps at 32 bits.
    static int ParseNumber(const QString& text);
    static QString HeaderLine(const char* title);

    const QByteArray& Bytes() const { return out_; }

private:
    bool storing_;
    QByteArray out_;
    QString text_;
    qsizetype pos_ = 0;
};

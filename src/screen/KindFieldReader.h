#pragma once
#include "FontSpec.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <QtGlobal>

struct RegisterRef;

// Reads the kind fields of an object line one after the other. Fields beyond
// those present read as 0 or as empty text.
class CKindFieldReader
{
public:
    // `fields`: the kind part of the line; one trailing ";" is dropped.
    // `legacyRangeMode`: whether the legacy range fields are taken.
    CKindFieldReader(QStringView fields, bool legacyRangeMode);

    qsizetype Count() const { return pieces_.size(); }
    qsizetype Remaining() const { return pieces_.size() - pos_; }

    int Int();
    // A text field; the escapes are undone.
    QString Text();
    // A "%u" range pattern.
    quint32 Range();
    // A legacy range field: assigned only in legacy range mode.
    void Legacy(qint32& target);
    // Six fields: device, area, address, bit number, bit-of-word flag, radix.
    void Register(RegisterRef& ref);
    // Fourteen fields in the alphabetical order of the logical-font members.
    void Font(FontSpec& font);

private:
    QStringView next();

    QList<QStringView> pieces_;
    qsizetype pos_ = 0;
    bool legacy_;
};

#pragma once
#include "FontSpec.h"

#include <QString>
#include <QtGlobal>

struct RegisterRef;

// Builds the kind fields of an object line, joined by commas.
class CKindFieldWriter
{
public:
    explicit CKindFieldWriter(QString& out) : out_(out) {}

    void Int(int value);
    // A text field, escaped so that it stays one field.
    void Text(const QString& text);
    // A range pattern, "%u".
    void Range(quint32 value);
    void Register(const RegisterRef& ref);
    void Font(const FontSpec& font);

private:
    void separate();

    QString& out_;
    bool first_ = true;
};

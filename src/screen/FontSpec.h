#pragma once
#include <QString>
#include <QtGlobal>

// The fourteen fields of a logical font kept by the text objects. The face
// name holds at most kFaceNameMax characters.
struct FontSpec
{
    static constexpr int kFaceNameMax = 31;

    qint32 height = -15;
    qint32 width = 0;
    qint32 escapement = 0;
    qint32 orientation = 0;
    qint32 weight = 400;
    quint8 italic = 0;
    quint8 underline = 0;
    quint8 strikeOut = 0;
    quint8 charSet = 1;
    quint8 outPrecision = 0;
    quint8 clipPrecision = 0;
    quint8 quality = 0;
    quint8 pitchAndFamily = 0;
    QString faceName;

    // Cuts the face name to the field's capacity.
    void SetFaceName(const QString& name) { faceName = name.left(kFaceNameMax); }

    bool operator==(const FontSpec&) const = default;

    // The font of a new static or dynamic text: "宋体", height -15, weight
    // 400, character set 134, every other field as the default
    // user-interface font has it (0). The same in every front end.
    static FontSpec Default();
};

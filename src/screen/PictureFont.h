#pragma once
#include "FontSpec.h"

#include <QFont>
#include <QString>

// The parts of a logical font that decide how a text picture looks: the face
// name, the height (negative: the character height in pixels; positive: the
// cell height), the weight (0 to 1000, 0 for normal), italic, underline and
// strike-out.
struct PictureFont
{
    QString face;
    int height = -15;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const PictureFont&) const = default;

    // The parts of an object's font that its picture follows.
    static PictureFont FromFontSpec(const FontSpec& f)
    {
        return PictureFont{f.faceName,    f.height,         f.weight,
                           f.italic != 0, f.underline != 0, f.strikeOut != 0};
    }

    // The face and height of the panel's glyphs.
    static PictureFont GlyphFont() { return PictureFont{QStringLiteral("宋体"), -15}; }
};

// Makes the Qt font for a picture font: the Windows faces that projects name
// are replaced by the installed fonts that stand in for them, anti-aliasing
// is off, and bitmap strikes are preferred where the face has them.
namespace PictureFontMaker {
QFont Make(const PictureFont& want);
// The installed family that stands in for a face at a pixel size.
QString SubstituteFamily(const QString& face, int pixelSize);
} // namespace PictureFontMaker

#include "ObjectBuildContext.h"
#include "ColumnPacker.h"
#include "CompileContext.h"
#include "StaticBitmapPicture.h"
#include "TextPicture.h"
#include "screen/FontSpec.h"
#include "screen/PaperRect.h"

namespace {

int clampSide(int v)
{
    return std::clamp(v, 0, CObjectBuildContext::kMaxPictureSide);
}

PictureFont pictureFont(const FontSpec& f)
{
    PictureFont p;
    p.face = f.faceName;
    p.height = f.height;
    p.weight = f.weight;
    p.italic = f.italic != 0;
    p.underline = f.underline != 0;
    p.strikeOut = f.strikeOut != 0;
    return p;
}

} // namespace

quint8 CObjectBuildContext::DeviceNumber(const RegisterRef& ref) const
{
    return ctx_.coder.DeviceNumber(ref);
}

quint16 CObjectBuildContext::PanelAddress(const RegisterRef& ref) const
{
    return ctx_.coder.PanelAddress(ref);
}

quint32 CObjectBuildContext::AppendPicture(const QByteArray& packed)
{
    return ctx_.AppendPicture(packed);
}

QByteArray CObjectBuildContext::TextPicture(const QString& text, const FontSpec& font,
                                            const PaperRect& rect, bool inverted)
{
    const QImage img = TextPicture::Render(text, pictureFont(font), clampSide(rect.Width()),
                                           clampSide(rect.Height()), inverted);
    return ColumnPacker::Pack(img);
}

QByteArray CObjectBuildContext::BitmapPicture(const QString& folder, const QString& fileName,
                                              const PaperRect& rect, int scaling,
                                              bool blackInversion)
{
    const QImage picture = ctx_.LoadPicture(folder, fileName, title_);
    const QRect box(rect.left, rect.top, clampSide(rect.Width()), clampSide(rect.Height()));
    return ColumnPacker::Pack(StaticBitmapPicture::Render(picture, box, scaling, blackInversion));
}

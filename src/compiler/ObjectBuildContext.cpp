#include "ObjectBuildContext.h"
#include "screen/ColumnPacker.h"
#include "CompileContext.h"
#include "project/ProjectModel.h"
#include "project/RegisterRef.h"
#include "screen/StaticBitmapPicture.h"
#include "screen/TextPicture.h"
#include "screen/FontSpec.h"
#include "screen/PaperRect.h"

#include <algorithm>

namespace {

// A side of the object's integer rectangle, taken in 64 bits (edges may lie
// at the ends of the int range), limited to 0 .. kMaxPictureSide.
int pictureWidth(const PaperRect& r)
{
    return int(
        std::clamp<qint64>(qint64(r.right) - r.left, 0, CObjectBuildContext::kMaxPictureSide));
}

int pictureHeight(const PaperRect& r)
{
    return int(
        std::clamp<qint64>(qint64(r.bottom) - r.top, 0, CObjectBuildContext::kMaxPictureSide));
}

// The packed size of a w x h picture: w columns of (h + 7) / 8 bands.
qint64 packedSize(int w, int h)
{
    return qint64(w) * ((h + 7) / 8);
}

} // namespace

void CObjectBuildContext::BeginObject(const QString& name)
{
    object_ = name;
    deviceWarned_ = false;
}

quint8 CObjectBuildContext::DeviceNumber(const RegisterRef& ref)
{
    if (!ReferencedDevice(ctx_.model.Devices(), ref.deviceName) && !deviceWarned_) {
        deviceWarned_ = true;
        ctx_.DeviceWarning(title_, object_);
    }
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
    const int w = pictureWidth(rect);
    const int h = pictureHeight(rect);
    if (!ctx_.ReservePicture(packedSize(w, h), title_))
        return QByteArray();
    const QImage img = TextPicture::Render(text, PictureFont::FromFontSpec(font), w, h, inverted);
    return ColumnPacker::Pack(img);
}

QByteArray CObjectBuildContext::BitmapPicture(const QString& folder, const QString& fileName,
                                              const PaperRect& rect, int scaling,
                                              bool blackInversion)
{
    const int w = pictureWidth(rect);
    const int h = pictureHeight(rect);
    if (!ctx_.ReservePicture(packedSize(w, h), title_))
        return QByteArray();
    const QImage picture = ctx_.LoadPicture(folder, fileName, title_);
    return ColumnPacker::Pack(StaticBitmapPicture::Render(picture, QPoint(rect.left, rect.top),
                                                          QSize(w, h), scaling, blackInversion));
}

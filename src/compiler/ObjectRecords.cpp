// The compiled records of the eight object kinds: kind code, register code
// parts, geometry bytes, flag bytes and the 24-bit offset of the object's
// picture inside the bitmap data.
#include "ImageWriter.h"
#include "ObjectBuildContext.h"
#include "screen/ObjectBarMeter.h"
#include "screen/ObjectDynamicText.h"
#include "screen/ObjectIndicatorLight.h"
#include "screen/ObjectNumeric.h"
#include "screen/ObjectStaticBitmap.h"
#include "screen/ObjectStaticText.h"
#include "screen/ObjectString.h"
#include "screen/ObjectTrendMeter.h"

namespace {

quint32 bit(int flag, quint32 mask)
{
    return flag != 0 ? mask : 0;
}

// x and y of the object's integer rectangle.
void writeXY(CImageWriter& w, const PaperRect& r)
{
    w.U8(quint32(r.left));
    w.U8(quint32(r.top));
}

void writeXYWH(CImageWriter& w, const PaperRect& r)
{
    writeXY(w, r);
    // Low 8 bits of the width and height, taken without int overflow.
    w.U8(quint32(qint64(r.right) - r.left));
    w.U8(quint32(qint64(r.bottom) - r.top));
}

// Renders the object's picture, appends it to the bitmap data and returns
// its offset there.
quint32 appendPicture(CDiagramEntity& object, CObjectBuildContext& ctx)
{
    object.bitmapBytes = object.RenderBitmap(ctx).value_or(QByteArray());
    return ctx.AppendPicture(object.bitmapBytes);
}

// Flag bits of a DEC value: bit 1 signed, bit 0 DEC.
quint32 decBits(int model, int isSigned)
{
    return (model == 0 ? 0x01u : 0u) | (model == 0 && isSigned != 0 ? 0x02u : 0u);
}

} // namespace

std::optional<QByteArray> CObjectStaticText::RenderBitmap(CObjectBuildContext& ctx)
{
    return ctx.TextPicture(text, font, GetRect(), inversion != 0);
}

QByteArray CObjectStaticText::BuildRecord(CObjectBuildContext& ctx)
{
    const quint32 offset = appendPicture(*this, ctx);
    recordBytes.clear();
    CImageWriter w(recordBytes);
    w.U8(OBJ_STATIC_TEXT);
    writeXYWH(w, GetRect());
    w.U24(offset);
    return recordBytes;
}

std::optional<QByteArray> CObjectDynamicText::RenderBitmap(CObjectBuildContext& ctx)
{
    QByteArray pictures;
    const PaperRect r = GetRect();
    for (const QString& text : texts)
        pictures.append(ctx.TextPicture(text, font, r, inversion != 0));
    return pictures;
}

QByteArray CObjectDynamicText::BuildRecord(CObjectBuildContext& ctx)
{
    const quint32 offset = appendPicture(*this, ctx);
    recordBytes.clear();
    CImageWriter w(recordBytes);
    w.U8(OBJ_DYNAMIC_TEXT);
    w.U8(ctx.DeviceNumber(reg));
    writeXYWH(w, GetRect());
    w.U8(quint32(model));
    w.U16(ctx.PanelAddress(reg));
    w.U8(quint32(texts.size()));
    w.U24(offset);
    return recordBytes;
}

std::optional<QByteArray> CObjectStaticBitmap::RenderBitmap(CObjectBuildContext& ctx)
{
    return ctx.BitmapPicture(folder, fileName, GetRect(), scaling, blackInversion != 0);
}

QByteArray CObjectStaticBitmap::BuildRecord(CObjectBuildContext& ctx)
{
    const quint32 offset = appendPicture(*this, ctx);
    recordBytes.clear();
    CImageWriter w(recordBytes);
    w.U8(OBJ_STATIC_BITMAP);
    writeXYWH(w, GetRect());
    w.U24(offset);
    return recordBytes;
}

QByteArray CObjectBarMeter::BuildRecord(CObjectBuildContext& ctx)
{
    recordBytes.clear();
    CImageWriter w(recordBytes);
    w.U8(OBJ_BAR_METER);
    w.U8(ctx.DeviceNumber(reg));
    writeXYWH(w, GetRect());
    w.U16(ctx.PanelAddress(reg));
    w.U8(quint32(registerCount));
    w.U8(((quint32(direction) & 0x0F) << 2) | decBits(model, isSigned));
    w.U8(((quint32(decimalPlaces) & 0x0F) << 4) | bit(isFloat, 0x01));
    w.U32(maximum);
    w.U32(minimum);
    return recordBytes;
}

QByteArray CObjectTrendMeter::BuildRecord(CObjectBuildContext& ctx)
{
    recordBytes.clear();
    CImageWriter w(recordBytes);
    w.U8(OBJ_TREND_METER);
    w.U8(ctx.DeviceNumber(reg));
    writeXYWH(w, GetRect());
    w.U16(ctx.PanelAddress(reg));
    w.U8(((quint32(decimalPlaces) & 0x0F) << 4) | (registerCount != 1 ? 0x08u : 0u)
         | bit(isFloat, 0x04) | decBits(model, isSigned));
    w.U8(quint32(dataPoints));
    w.U16(quint32(interval));
    w.U32(maximum);
    w.U32(minimum);
    return recordBytes;
}

QByteArray CObjectIndicatorLight::BuildRecord(CObjectBuildContext& ctx)
{
    recordBytes.clear();
    CImageWriter w(recordBytes);
    w.U8(OBJ_INDICATOR_LIGHT);
    w.U8(ctx.DeviceNumber(coil));
    writeXY(w, GetRect());
    w.U16(ctx.PanelAddress(coil));
    w.U8(bit(doubleSize, 0x04) | bit(inversion, 0x02) | bit(shape, 0x01));
    return recordBytes;
}

QByteArray CObjectNumeric::BuildRecord(CObjectBuildContext& ctx)
{
    recordBytes.clear();
    CImageWriter w(recordBytes);
    w.U8(OBJ_NUMERIC);
    w.U8(ctx.DeviceNumber(reg));
    writeXY(w, GetRect());
    w.U16(ctx.PanelAddress(reg));
    w.U8(bit(set, 0x80) | bit(encrypt, 0x40) | (registerCount != 1 ? 0x20u : 0u)
         | bit(isFloat, 0x10) | bit(inversion, 0x08) | bit(doubleSize, 0x04)
         | bit(isSigned, 0x02) | (model == 0 ? 0x01u : 0u));
    w.U8(((quint32(decimalPlaces) & 0x0F) << 4) | (quint32(digits) & 0x0F));
    w.U8(bit(leadingZeros, 0x80) | bit(rangeCheck, 0x01));
    w.U32(maximum);
    w.U32(minimum);
    return recordBytes;
}

QByteArray CObjectString::BuildRecord(CObjectBuildContext& ctx)
{
    recordBytes.clear();
    CImageWriter w(recordBytes);
    w.U8(OBJ_STRING);
    w.U8(ctx.DeviceNumber(reg));
    writeXY(w, GetRect());
    w.U16(ctx.PanelAddress(reg));
    w.U8(bit(doubleSize, 0x80) + bit(inversion, 0x40) + quint32(stringCount));
    w.U8(quint32(registerCount));
    return recordBytes;
}

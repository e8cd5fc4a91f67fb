// The compiled records of the object kinds, and the compiler's table of kinds
// that picks the record builder of an object: kind code, register code parts,
// geometry bytes, flag bytes and the 24-bit offset of the object's
// picture inside the bitmap data.
#include "ObjectRecords.h"
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

#include <array>

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

// Keeps the object's rendered picture with it, appends the picture to the
// bitmap data and returns its offset there.
quint32 appendPicture(CDiagramEntity& object, const std::optional<QByteArray>& picture,
                      CObjectBuildContext& ctx)
{
    object.bitmapBytes = picture.value_or(QByteArray());
    return ctx.AppendPicture(object.bitmapBytes);
}

// Flag bits of a DEC value: bit 1 signed, bit 0 DEC.
quint32 decBits(int model, int isSigned)
{
    return (model == 0 ? 0x01u : 0u) | (model == 0 && isSigned != 0 ? 0x02u : 0u);
}

std::optional<QByteArray> picture(CObjectStaticText& o, CObjectBuildContext& ctx)
{
    return ctx.TextPicture(o.text, o.font, o.GetRect(), o.inversion != 0);
}

QByteArray record(CObjectStaticText& o, CObjectBuildContext& ctx)
{
    const quint32 offset = appendPicture(o, picture(o, ctx), ctx);
    o.recordBytes.clear();
    CImageWriter w(o.recordBytes);
    w.U8(OBJ_STATIC_TEXT);
    writeXYWH(w, o.GetRect());
    w.U24(offset);
    return o.recordBytes;
}

std::optional<QByteArray> picture(CObjectDynamicText& o, CObjectBuildContext& ctx)
{
    QByteArray pictures;
    const PaperRect r = o.GetRect();
    for (const QString& text : o.texts)
        pictures.append(ctx.TextPicture(text, o.font, r, o.inversion != 0));
    return pictures;
}

QByteArray record(CObjectDynamicText& o, CObjectBuildContext& ctx)
{
    const quint32 offset = appendPicture(o, picture(o, ctx), ctx);
    o.recordBytes.clear();
    CImageWriter w(o.recordBytes);
    w.U8(OBJ_DYNAMIC_TEXT);
    w.U8(ctx.DeviceNumber(o.reg));
    writeXYWH(w, o.GetRect());
    w.U8(quint32(o.model));
    w.U16(ctx.PanelAddress(o.reg));
    w.U8(quint32(o.texts.size()));
    w.U24(offset);
    return o.recordBytes;
}

std::optional<QByteArray> picture(CObjectStaticBitmap& o, CObjectBuildContext& ctx)
{
    return ctx.BitmapPicture(o.folder, o.fileName, o.GetRect(), o.scaling, o.blackInversion != 0);
}

QByteArray record(CObjectStaticBitmap& o, CObjectBuildContext& ctx)
{
    const quint32 offset = appendPicture(o, picture(o, ctx), ctx);
    o.recordBytes.clear();
    CImageWriter w(o.recordBytes);
    w.U8(OBJ_STATIC_BITMAP);
    writeXYWH(w, o.GetRect());
    w.U24(offset);
    return o.recordBytes;
}

QByteArray record(CObjectBarMeter& o, CObjectBuildContext& ctx)
{
    o.recordBytes.clear();
    CImageWriter w(o.recordBytes);
    w.U8(OBJ_BAR_METER);
    w.U8(ctx.DeviceNumber(o.reg));
    writeXYWH(w, o.GetRect());
    w.U16(ctx.PanelAddress(o.reg));
    w.U8(quint32(o.registerCount));
    w.U8(((quint32(o.direction) & 0x0F) << 2) | decBits(o.model, o.isSigned));
    w.U8(((quint32(o.decimalPlaces) & 0x0F) << 4) | bit(o.isFloat, 0x01));
    w.U32(o.maximum);
    w.U32(o.minimum);
    return o.recordBytes;
}

QByteArray record(CObjectTrendMeter& o, CObjectBuildContext& ctx)
{
    o.recordBytes.clear();
    CImageWriter w(o.recordBytes);
    w.U8(OBJ_TREND_METER);
    w.U8(ctx.DeviceNumber(o.reg));
    writeXYWH(w, o.GetRect());
    w.U16(ctx.PanelAddress(o.reg));
    w.U8(((quint32(o.decimalPlaces) & 0x0F) << 4) | (o.registerCount != 1 ? 0x08u : 0u)
         | bit(o.isFloat, 0x04) | decBits(o.model, o.isSigned));
    w.U8(quint32(o.dataPoints));
    w.U16(quint32(o.interval));
    w.U32(o.maximum);
    w.U32(o.minimum);
    return o.recordBytes;
}

QByteArray record(CObjectIndicatorLight& o, CObjectBuildContext& ctx)
{
    o.recordBytes.clear();
    CImageWriter w(o.recordBytes);
    w.U8(OBJ_INDICATOR_LIGHT);
    w.U8(ctx.DeviceNumber(o.coil));
    writeXY(w, o.GetRect());
    w.U16(ctx.PanelAddress(o.coil));
    w.U8(bit(o.doubleSize, 0x04) | bit(o.inversion, 0x02) | bit(o.shape, 0x01));
    return o.recordBytes;
}

QByteArray record(CObjectNumeric& o, CObjectBuildContext& ctx)
{
    o.recordBytes.clear();
    CImageWriter w(o.recordBytes);
    w.U8(OBJ_NUMERIC);
    w.U8(ctx.DeviceNumber(o.reg));
    writeXY(w, o.GetRect());
    w.U16(ctx.PanelAddress(o.reg));
    w.U8(bit(o.set, 0x80) | bit(o.encrypt, 0x40) | (o.registerCount != 1 ? 0x20u : 0u)
         | bit(o.isFloat, 0x10) | bit(o.inversion, 0x08) | bit(o.doubleSize, 0x04)
         | bit(o.isSigned, 0x02) | (o.model == 0 ? 0x01u : 0u));
    w.U8(((quint32(o.decimalPlaces) & 0x0F) << 4) | (quint32(o.digits) & 0x0F));
    w.U8(bit(o.leadingZeros, 0x80) | bit(o.rangeCheck, 0x01));
    w.U32(o.maximum);
    w.U32(o.minimum);
    return o.recordBytes;
}

QByteArray record(CObjectString& o, CObjectBuildContext& ctx)
{
    o.recordBytes.clear();
    CImageWriter w(o.recordBytes);
    w.U8(OBJ_STRING);
    w.U8(ctx.DeviceNumber(o.reg));
    writeXY(w, o.GetRect());
    w.U16(ctx.PanelAddress(o.reg));
    w.U8(bit(o.doubleSize, 0x80) + bit(o.inversion, 0x40) + quint32(o.stringCount));
    w.U8(quint32(o.registerCount));
    return o.recordBytes;
}

template <class Object>
QByteArray Build(CDiagramEntity& object, CObjectBuildContext& ctx)
{
    return record(static_cast<Object&>(object), ctx);
}

// The compiler's table of kinds: the record builder of each kind code.
struct RecordBuilder
{
    ObjectKind code;
    QByteArray (*build)(CDiagramEntity&, CObjectBuildContext&);
};

constexpr std::array kBuilders = {
    RecordBuilder{OBJ_STATIC_TEXT, &Build<CObjectStaticText>},
    RecordBuilder{OBJ_DYNAMIC_TEXT, &Build<CObjectDynamicText>},
    RecordBuilder{OBJ_STATIC_BITMAP, &Build<CObjectStaticBitmap>},
    RecordBuilder{OBJ_BAR_METER, &Build<CObjectBarMeter>},
    RecordBuilder{OBJ_TREND_METER, &Build<CObjectTrendMeter>},
    RecordBuilder{OBJ_INDICATOR_LIGHT, &Build<CObjectIndicatorLight>},
    RecordBuilder{OBJ_NUMERIC, &Build<CObjectNumeric>},
    RecordBuilder{OBJ_STRING, &Build<CObjectString>},
};

constexpr bool RowsInCodeOrder()
{
    for (size_t i = 0; i < kBuilders.size(); ++i)
        if (int(kBuilders[i].code) != int(i))
            return false;
    return kBuilders.size() == size_t(kObjectKindCount);
}
static_assert(RowsInCodeOrder(), "one record builder per kind code, in code order");

} // namespace

namespace ObjectRecords {

QByteArray Build(CDiagramEntity& object, CObjectBuildContext& ctx)
{
    const int kind = object.Kind();
    if (kind < 0 || kind >= kObjectKindCount)
        return object.recordBytes;
    return kBuilders[size_t(kind)].build(object, ctx);
}

} // namespace ObjectRecords

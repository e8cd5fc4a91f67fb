#include "ObjectStaticBitmap.h"
#include "KindFieldReader.h"
#include "KindFieldWriter.h"

CObjectStaticBitmap::CObjectStaticBitmap()
{
    InitKind(QStringLiteral("Static Bitmap"), 16, 16, 1, 198);
}

std::unique_ptr<CDiagramEntity> CObjectStaticBitmap::Clone() const
{
    auto copy = std::make_unique<CObjectStaticBitmap>();
    copy->CopyFrom(*this);
    static_cast<StaticBitmapProperties&>(*copy) = *this;
    return copy;
}

bool CObjectStaticBitmap::ReadKindFields(QStringView fields, bool legacyRangeMode)
{
    CKindFieldReader in(fields, legacyRangeMode);
    if (in.Count() < 4)
        return false;
    folder = in.Text();
    fileName = in.Text();
    scaling = in.Int();
    blackInversion = in.Int();
    return true;
}

QString CObjectStaticBitmap::WriteKindFields() const
{
    QString out;
    CKindFieldWriter w(out);
    w.Text(folder);
    w.Text(fileName);
    w.Int(scaling);
    w.Int(blackInversion);
    return out;
}

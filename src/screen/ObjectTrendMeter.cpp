#include "ObjectTrendMeter.h"
#include "KindFieldReader.h"
#include "KindFieldWriter.h"

CObjectTrendMeter::CObjectTrendMeter(const CProjectModel* projectModel)
{
    InitKind(QStringLiteral("Trend Meter"), 16, 16, 1, 200);
    FillRegisterRefDefaults(projectModel, reg, RegisterRef::KindWord);
}

std::unique_ptr<CDiagramEntity> CObjectTrendMeter::Clone() const
{
    auto copy = std::make_unique<CObjectTrendMeter>();
    copy->CopyFrom(*this);
    static_cast<TrendMeterProperties&>(*copy) = *this;
    return copy;
}

bool CObjectTrendMeter::ReadKindFields(QStringView fields, bool legacyRangeMode)
{
    CKindFieldReader in(fields, legacyRangeMode);
    if (in.Count() < 15)
        return false;
    ReadMeterFields(in);
    dataPoints = in.Int();
    interval = in.Int();
    return true;
}

QString CObjectTrendMeter::WriteKindFields() const
{
    QString out;
    CKindFieldWriter w(out);
    WriteMeterFields(w);
    w.Int(dataPoints);
    w.Int(interval);
    return out;
}

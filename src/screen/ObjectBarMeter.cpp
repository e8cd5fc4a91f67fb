#include "ObjectBarMeter.h"
#include "KindFieldReader.h"
#include "KindFieldWriter.h"

CObjectBarMeter::CObjectBarMeter(const CProjectModel* projectModel)
{
    InitKind(QStringLiteral("Bar Meter"), 8, 8, 1, 199);
    FillRegisterRefDefaults(projectModel, reg, RegisterRef::KindWord);
}

std::unique_ptr<CDiagramEntity> CObjectBarMeter::Clone() const
{
    auto copy = std::make_unique<CObjectBarMeter>();
    copy->CopyFrom(*this);
    static_cast<BarMeterProperties&>(*copy) = *this;
    return copy;
}

bool CObjectBarMeter::ReadKindFields(QStringView fields, bool legacyRangeMode)
{
    CKindFieldReader in(fields, legacyRangeMode);
    if (in.Count() < 14)
        return false;
    ReadMeterFields(in);
    direction = in.Int();
    return true;
}

QString CObjectBarMeter::WriteKindFields() const
{
    QString out;
    CKindFieldWriter w(out);
    WriteMeterFields(w);
    w.Int(direction);
    return out;
}

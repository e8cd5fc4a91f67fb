#include "ScreenTestObjects.h"
#include "screen/ObjectBarMeter.h"
#include "screen/ObjectDynamicText.h"
#include "screen/ObjectFactory.h"
#include "screen/ObjectIndicatorLight.h"
#include "screen/ObjectNumeric.h"
#include "screen/ObjectStaticBitmap.h"
#include "screen/ObjectStaticText.h"
#include "screen/ObjectString.h"
#include "screen/ObjectTrendMeter.h"

namespace ScreenTestObjects {

namespace {

RegisterRef reg(int seed)
{
    RegisterRef r;
    r.deviceName = QStringLiteral("PLC%1").arg(seed);
    r.area = QStringLiteral("V");
    r.address = 01234 + seed;
    r.bitNumber = 3;
    r.bitOfWord = 1;
    r.radix = 3;
    return r;
}

FontSpec font()
{
    FontSpec f;
    f.height = -24;
    f.width = 7;
    f.escapement = 900;
    f.orientation = 450;
    f.weight = 700;
    f.italic = 1;
    f.underline = 1;
    f.strikeOut = 1;
    f.charSet = 134;
    f.outPrecision = 3;
    f.clipPrecision = 2;
    f.quality = 4;
    f.pitchAndFamily = 49;
    f.faceName = QStringLiteral("DejaVu Sans Mono");
    return f;
}

} // namespace

std::unique_ptr<CDiagramEntity> NonDefault(int kind)
{
    auto o = CreateObjectOfKind(kind);
    o->SetRect(3.5, 4.25, 60.75, 40.125);
    o->SetTitle(QStringLiteral("title %1").arg(kind));
    o->SetName(QStringLiteral("name %1").arg(kind));
    o->SetGroup(7 + kind);
    switch (kind) {
    case OBJ_STATIC_TEXT: {
        auto* t = static_cast<CObjectStaticText*>(o.get());
        t->text = QStringLiteral("Pump 1 \u6E29\u5EA6");
        t->inversion = 1;
        t->font = font();
        break;
    }
    case OBJ_DYNAMIC_TEXT: {
        auto* t = static_cast<CObjectDynamicText*>(o.get());
        t->texts = {QStringLiteral("Off"), QString(), QStringLiteral("On")};
        t->reg = reg(1);
        t->inversion = 1;
        t->font = font();
        t->model = 1;
        break;
    }
    case OBJ_STATIC_BITMAP: {
        auto* b = static_cast<CObjectStaticBitmap*>(o.get());
        b->fileName = QStringLiteral("valve.bmp");
        b->folder = QStringLiteral("BMP_Files\\Valves");
        b->scaling = 3;
        b->blackInversion = 1;
        break;
    }
    case OBJ_BAR_METER: {
        auto* m = static_cast<CObjectBarMeter*>(o.get());
        m->reg = reg(2);
        m->registerCount = 2;
        m->isFloat = 1;
        m->model = 1;
        m->isSigned = 1;
        m->decimalPlaces = 3;
        m->legacyMinimum = -5;
        m->legacyMaximum = 500;
        m->minimum = 0xC2C80000u; // -100.0f
        m->maximum = 0xFFFFFFFFu;
        m->direction = 3;
        break;
    }
    case OBJ_TREND_METER: {
        auto* m = static_cast<CObjectTrendMeter*>(o.get());
        m->reg = reg(3);
        m->registerCount = 2;
        m->isFloat = 1;
        m->model = 1;
        m->isSigned = 1;
        m->decimalPlaces = 2;
        m->legacyMinimum = -7;
        m->legacyMaximum = 70;
        m->minimum = 0x80000000u;
        m->maximum = 0x7FFFFFFFu;
        m->dataPoints = 38;
        m->interval = 6000;
        break;
    }
    case OBJ_INDICATOR_LIGHT: {
        auto* l = static_cast<CObjectIndicatorLight*>(o.get());
        l->coil = reg(4);
        l->inversion = 1;
        l->doubleSize = 0;
        l->shape = 1;
        break;
    }
    case OBJ_NUMERIC: {
        auto* n = static_cast<CObjectNumeric*>(o.get());
        n->reg = reg(5);
        n->registerCount = 2;
        n->set = 1;
        n->encrypt = 1;
        n->rangeCheck = 1;
        n->doubleSize = 1;
        n->inversion = 1;
        n->leadingZeros = 1;
        n->isFloat = 1;
        n->model = 1;
        n->isSigned = 1;
        n->legacyMinimum = -40000;
        n->legacyMaximum = 40000;
        n->minimum = 0x99999999u;
        n->maximum = 0x12345678u;
        n->digits = 10;
        n->decimalPlaces = 4;
        break;
    }
    case OBJ_STRING: {
        auto* s = static_cast<CObjectString*>(o.get());
        s->reg = reg(6);
        s->registerCount = 12;
        s->doubleSize = 1;
        s->inversion = 1;
        s->stringCount = 24;
        break;
    }
    }
    return o;
}

bool SameKindFields(const CDiagramEntity& a, const CDiagramEntity& b)
{
    if (a.Kind() != b.Kind())
        return false;
    switch (a.Kind()) {
    case OBJ_STATIC_TEXT: {
        auto& x = static_cast<const CObjectStaticText&>(a);
        auto& y = static_cast<const CObjectStaticText&>(b);
        return x.text == y.text && x.inversion == y.inversion && x.font == y.font;
    }
    case OBJ_DYNAMIC_TEXT: {
        auto& x = static_cast<const CObjectDynamicText&>(a);
        auto& y = static_cast<const CObjectDynamicText&>(b);
        return x.texts == y.texts && x.reg == y.reg && x.inversion == y.inversion
               && x.font == y.font && x.model == y.model;
    }
    case OBJ_STATIC_BITMAP: {
        auto& x = static_cast<const CObjectStaticBitmap&>(a);
        auto& y = static_cast<const CObjectStaticBitmap&>(b);
        return x.fileName == y.fileName && x.folder == y.folder && x.scaling == y.scaling
               && x.blackInversion == y.blackInversion;
    }
    case OBJ_BAR_METER: {
        auto& x = static_cast<const CObjectBarMeter&>(a);
        auto& y = static_cast<const CObjectBarMeter&>(b);
        return x.reg == y.reg && x.registerCount == y.registerCount && x.isFloat == y.isFloat
               && x.model == y.model && x.isSigned == y.isSigned
               && x.decimalPlaces == y.decimalPlaces && x.legacyMinimum == y.legacyMinimum
               && x.legacyMaximum == y.legacyMaximum && x.minimum == y.minimum
               && x.maximum == y.maximum && x.direction == y.direction;
    }
    case OBJ_TREND_METER: {
        auto& x = static_cast<const CObjectTrendMeter&>(a);
        auto& y = static_cast<const CObjectTrendMeter&>(b);
        return x.reg == y.reg && x.registerCount == y.registerCount && x.isFloat == y.isFloat
               && x.model == y.model && x.isSigned == y.isSigned
               && x.decimalPlaces == y.decimalPlaces && x.legacyMinimum == y.legacyMinimum
               && x.legacyMaximum == y.legacyMaximum && x.minimum == y.minimum
               && x.maximum == y.maximum && x.dataPoints == y.dataPoints
               && x.interval == y.interval;
    }
    case OBJ_INDICATOR_LIGHT: {
        auto& x = static_cast<const CObjectIndicatorLight&>(a);
        auto& y = static_cast<const CObjectIndicatorLight&>(b);
        return x.coil == y.coil && x.inversion == y.inversion && x.doubleSize == y.doubleSize
               && x.shape == y.shape;
    }
    case OBJ_NUMERIC: {
        auto& x = static_cast<const CObjectNumeric&>(a);
        auto& y = static_cast<const CObjectNumeric&>(b);
        return x.reg == y.reg && x.registerCount == y.registerCount && x.set == y.set
               && x.encrypt == y.encrypt && x.rangeCheck == y.rangeCheck
               && x.doubleSize == y.doubleSize && x.inversion == y.inversion
               && x.leadingZeros == y.leadingZeros && x.isFloat == y.isFloat && x.model == y.model
               && x.isSigned == y.isSigned && x.legacyMinimum == y.legacyMinimum
               && x.legacyMaximum == y.legacyMaximum && x.minimum == y.minimum
               && x.maximum == y.maximum && x.digits == y.digits
               && x.decimalPlaces == y.decimalPlaces;
    }
    case OBJ_STRING: {
        auto& x = static_cast<const CObjectString&>(a);
        auto& y = static_cast<const CObjectString&>(b);
        return x.reg == y.reg && x.registerCount == y.registerCount && x.doubleSize == y.doubleSize
               && x.inversion == y.inversion && x.stringCount == y.stringCount;
    }
    }
    return false;
}

std::unique_ptr<CDiagramEntity> Numeric(const QString& name, const QString& device)
{
    auto o = CreateObjectOfKind(OBJ_NUMERIC);
    o->SetName(name);
    o->SetRect(10, 10, 40, 20);
    static_cast<CObjectNumeric&>(*o).reg.deviceName = device;
    return o;
}

std::unique_ptr<CDiagramEntity> Light(const QString& name, const QString& device)
{
    auto o = CreateObjectOfKind(OBJ_INDICATOR_LIGHT);
    o->SetName(name);
    o->SetRect(50, 10, 60, 20);
    static_cast<CObjectIndicatorLight&>(*o).coil.deviceName = device;
    return o;
}

} // namespace ScreenTestObjects

#pragma once
#include "ObjectPainter.h"

#include <QString>

struct NumericProperties;

// A numeric: a sample value with the object's digits, decimal places, sign
// and leading zeros, double height with "Double"; inverted with inversion.
class CNumericPainter : public CObjectPainter
{
public:
    void Draw(QPainter& p, const CDiagramEntity& object, const QRect& target,
              const ObjectPaintContext& ctx) const override;
    QSize ContentSize(const CDiagramEntity& object, const ObjectPaintContext& ctx) const override;
    void DrawIcon(QPainter& p) const override;
    QString ContentFields(const CDiagramEntity& object) const override;

    // The digits 1, 2, 3 ... (every digit 0 with leading zeros), the decimal
    // point the places ask for, and a minus sign when a DEC value is signed:
    // 5 digits, 2 places, signed gives -123.45.
    static QString Sample(const NumericProperties& n);
};

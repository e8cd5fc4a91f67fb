#pragma once
#include "ObjectPainter.h"

// A trend meter: two axes with arrow heads and a sample zig-zag curve.
class CTrendMeterPainter : public CObjectPainter
{
public:
    void Draw(QPainter& p, const CDiagramEntity& object, const QRect& target,
              const ObjectPaintContext& ctx) const override;
    QSize ContentSize(const CDiagramEntity& object, const ObjectPaintContext& ctx) const override;
    void DrawIcon(QPainter& p) const override;
};

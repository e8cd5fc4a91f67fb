#pragma once
#include "ObjectPainter.h"

// A bar meter: a scale of ticks along the side its direction gives, and a bar three quarters full.
class CBarMeterPainter : public CObjectPainter
{
public:
    void Draw(QPainter& p, const CDiagramEntity& object, const QRect& target,
              const ObjectPaintContext& ctx) const override;
    QSize ContentSize(const CDiagramEntity& object, const ObjectPaintContext& ctx) const override;
    void DrawIcon(QPainter& p) const override;
};

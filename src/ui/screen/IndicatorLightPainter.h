#pragma once
#include "ObjectPainter.h"

// An indicator light: a circle or a rectangle, normal or inverted, stretched to the object.
class CIndicatorLightPainter : public CObjectPainter
{
public:
    void Draw(QPainter& p, const CDiagramEntity& object, const QRect& target,
              const ObjectPaintContext& ctx) const override;
    QSize ContentSize(const CDiagramEntity& object, const ObjectPaintContext& ctx) const override;
    void DrawIcon(QPainter& p) const override;
    QString ContentFields(const CDiagramEntity& object) const override;
};

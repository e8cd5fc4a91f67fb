#pragma once
#include "ObjectPainter.h"

// A static text: its text in its font at the zoom, inverted with inversion.
class CStaticTextPainter : public CObjectPainter
{
public:
    void Draw(QPainter& p, const CDiagramEntity& object, const QRect& target,
              const ObjectPaintContext& ctx) const override;
    QSize ContentSize(const CDiagramEntity& object, const ObjectPaintContext& ctx) const override;
};

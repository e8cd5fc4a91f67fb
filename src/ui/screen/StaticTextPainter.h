#pragma once
#include "ObjectPainter.h"

// A static text: its text in its font at the zoom, inverted with inversion.
class CStaticTextPainter : public CObjectPainter
{
public:
    void Draw(QPainter& p, const CDiagramEntity& object, const QRect& target,
              const ObjectPaintContext& ctx) const override;
    QSize ContentSize(const CDiagramEntity& object, const ObjectPaintContext& ctx) const override;
    void DrawIcon(QPainter& p) const override;
    bool HasPanelPicture() const override { return true; }
    QImage PanelPicture(const CDiagramEntity& object, int w, int h, const QRect& part,
                        CPreviewPictures& pictures) const override;
};

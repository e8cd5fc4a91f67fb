#pragma once
#include "ObjectPainter.h"

// A dynamic text: the first of its texts, like a static text.
class CDynamicTextPainter : public CObjectPainter
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

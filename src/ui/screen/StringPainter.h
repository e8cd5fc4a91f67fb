#pragma once
#include "ObjectPainter.h"

// A string: the letter A once per character, double height with "Double".
class CStringPainter : public CObjectPainter
{
public:
    void Draw(QPainter& p, const CDiagramEntity& object, const QRect& target,
              const ObjectPaintContext& ctx) const override;
    QSize ContentSize(const CDiagramEntity& object, const ObjectPaintContext& ctx) const override;
    void DrawIcon(QPainter& p) const override;
    QString ContentFields(const CDiagramEntity& object) const override;
};

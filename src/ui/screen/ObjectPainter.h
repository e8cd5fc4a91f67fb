#pragma once
#include "ObjectPaintContext.h"

#include <QPoint>
#include <QRect>
#include <QSize>

class CDiagramEntity;
class QPainter;

// How one kind of object shows in the screen editor: its preview drawn into
// its window rectangle, and the size its content needs when it is dropped.
// One painter per kind; ForKind finds it.
class CObjectPainter
{
public:
    virtual ~CObjectPainter() = default;
    // The preview into `target` (the object's rectangle in window pixels).
    virtual void Draw(QPainter& p, const CDiagramEntity& object, const QRect& target,
                      const ObjectPaintContext& ctx) const = 0;
    // The size in paper pixels that the content needs.
    virtual QSize ContentSize(const CDiagramEntity& object, const ObjectPaintContext& ctx) const = 0;

    // The painter of a kind code; a plain frame for anything else.
    static const CObjectPainter& ForKind(int kind);
};

// The editor's painting of one object: label, preview, markers.
namespace ObjectPainting {

// The object's rectangle in window pixels: its paper rectangle times the
// zoom, less the scroll position.
QRect WindowRect(const CDiagramEntity& object, double zoom, QPoint scroll = QPoint());
// Remembers the zoom in the object, draws its preview (the panel's picture in
// the panel-pixel view where the kind has one), its label number on a pale
// green box when `label` is above 0, and its markers when it is selected.
void DrawScaled(QPainter& p, const CDiagramEntity& object, const ObjectPaintContext& ctx,
                QPoint scroll, int label);
// The eight size markers: filled black squares of the object's marker size.
void DrawMarkers(QPainter& p, const CDiagramEntity& object, const QRect& target);
void DrawLabel(QPainter& p, int label, QPoint topLeft, double zoom);
// The rectangle that the content needs, left and top kept (paper pixels).
QRect MeasureContent(const CDiagramEntity& object, const ObjectPaintContext& ctx);

} // namespace ObjectPainting

#pragma once
#include "ObjectPaintContext.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class CDiagramEntity;
class CPreviewPictures;
class QPainter;

// How one kind of object shows in the editor: its preview drawn into its
// window rectangle, the size its content needs when it is dropped, its icon in
// the Object menu and the object list, and the panel's own picture where the
// kind has one. One painter per kind; the editor's table of kinds holds them.
class CObjectPainter
{
public:
    virtual ~CObjectPainter() = default;
    // The preview into `target` (the object's rectangle in window pixels).
    virtual void Draw(QPainter& p, const CDiagramEntity& object, const QRect& target,
                      const ObjectPaintContext& ctx) const = 0;
    // The size in paper pixels that the content needs.
    virtual QSize ContentSize(const CDiagramEntity& object,
                              const ObjectPaintContext& ctx) const = 0;
    // The properties that decide the content size, as one text; a change of
    // it refits an object that cannot be resized. Empty for resizable kinds.
    virtual QString ContentFields(const CDiagramEntity&) const { return QString(); }
    // The kind's icon on the 24 x 24 grid of the drawn icons.
    virtual void DrawIcon(QPainter& p) const = 0;
    virtual bool HasIcon() const { return true; }
    // The picture the panel shows, black and white, `w` by `h` pixels, as the
    // compiler renders it; only kinds that the compiler renders have one.
    virtual bool HasPanelPicture() const { return false; }
    // Whether the preview depends on where the object lies, not only on its
    // size (a bitmap's centring follows the parity of its edges).
    virtual bool PreviewDependsOnPlace() const { return false; }
    virtual QImage PanelPicture(const CDiagramEntity&, int /*w*/, int /*h*/,
                                CPreviewPictures&) const
    {
        return QImage();
    }

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

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
    // Only `part` of the picture is drawn (picture pixels, inside the
    // picture): the image is of its size.
    virtual QImage PanelPicture(const CDiagramEntity&, int /*w*/, int /*h*/, const QRect& /*part*/,
                                CPreviewPictures&) const
    {
        return QImage();
    }

    // The painter of a kind code; a plain frame for anything else.
    static const CObjectPainter& ForKind(int kind);
};

// The editor's painting of one object: preview, label, markers.
namespace ObjectPainting {

// Window coordinates are kept within this distance of the window's origin:
// an object that reaches into a window of any real size is drawn exactly,
// and no sum of edges nor a glyph's position can overflow. An edge further
// out (a damaged screen file) is drawn at this distance.
constexpr int kWindowReach = 1 << 22;
// A window coordinate cut to the reach.
int WindowCoordinate(double window);
// The object's rectangle in window pixels: its paper rectangle times the
// zoom, less the scroll position; its edges within the reach.
QRect WindowRect(const CDiagramEntity& object, double zoom, QPoint scroll = QPoint());
// Draws the part of the object's preview that falls into the painter's
// device (the panel's picture in the panel-pixel view where the kind has
// one), then its label number when `label` is above 0 (after the preview,
// so that no fill covers it), and its markers when it is selected. No
// picture larger than the visible part is made.
void DrawScaled(QPainter& p, const CDiagramEntity& object, const ObjectPaintContext& ctx,
                QPoint scroll, int label);
// The eight size markers: filled black squares of the object's marker size.
void DrawMarkers(QPainter& p, const CDiagramEntity& object, const QRect& target);
// The number in the default user-interface font, 7 pixels high times the
// zoom, on a pale green box outlined in black, at the top-left corner.
void DrawLabel(QPainter& p, int label, QPoint topLeft, double zoom);
// The rectangle that the content needs, left and top kept (paper pixels).
QRect MeasureContent(const CDiagramEntity& object, const ObjectPaintContext& ctx);

} // namespace ObjectPainting

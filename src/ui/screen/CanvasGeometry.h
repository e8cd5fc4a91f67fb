#pragma once
#include "screen/PaperRect.h"

#include <QPoint>
#include <QPointF>
#include <QSize>

class CDiagramEntity;
class CDiagramEntityContainer;

// The canvas's paper and how window pixels map onto it: the paper size, the
// grid (also the snap step and the keyboard's step), whether positions snap
// and objects are kept inside the paper, the zoom and the scroll position.
// Objects lie in paper pixels; hit tests and markers work in window pixels.
struct CanvasGeometry
{
    QSize paper{192, 64};
    QSize grid{8, 8};
    bool snap = true;
    bool keepInside = true;
    double zoom = 1.0;
    QPoint scroll;

    // Window pixels (of the viewport) to paper pixels and back.
    QPointF ToPaper(QPoint window) const;
    QPoint ToWindow(QPointF paper) const;
    // A paper coordinate on the grid: step x trunc(v / step + 0.5); the
    // coordinate's floor without snapping.
    int SnapX(double v) const;
    int SnapY(double v) const;
    // The step of one keyboard move: a grid step with snapping, a pixel
    // without.
    int StepX() const { return snap ? grid.width() : 1; }
    int StepY() const { return snap ? grid.height() : 1; }
    bool InsidePaper(QPointF paper) const;
    // The object's rectangle in window pixels, as markers and hit tests see it.
    PaperRect WindowRect(const CDiagramEntity& object) const;
    // Cuts a shift of the selected objects so that their bounding box stays
    // on the paper (a box larger than the paper keeps its left or top edge
    // at 0).
    void ClampShift(const CDiagramEntityContainer& objects, double* dx, double* dy) const;
    // Moves an object back inside the paper where it lies partly outside.
    void KeepInside(CDiagramEntity& object) const;
};

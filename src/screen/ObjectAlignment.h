#pragma once
#include <QSize>

class CDiagramEntity;
class CDiagramEntityContainer;

// Lines up the selected objects of a screen. Edges and centres line up on
// the selection's bounding box; the same width and height take the size of
// the topmost selected object; distributing spaces the objects evenly
// between the outermost two. Every result is kept inside the paper.
namespace ObjectAlignment {

enum Mode {
    AlignLeft,
    AlignRight,
    AlignTop,
    AlignBottom,
    CentreHorizontally, // the centres on one vertical line
    CentreVertically,   // the centres on one horizontal line
    SameWidth,
    SameHeight,
    DistributeHorizontally,
    DistributeVertically,
};

// The number of selected objects a mode needs: 2, or 3 to distribute.
int MinimumSelection(Mode mode);
// Applies the mode to the selected objects; false (and nothing changed)
// when fewer objects than the mode needs are selected. The caller takes the
// undo snapshot.
bool Apply(CDiagramEntityContainer& container, Mode mode, QSize paper);

// Moves the object so that it lies inside the paper where it can.
void KeepInside(CDiagramEntity& object, QSize paper);

} // namespace ObjectAlignment

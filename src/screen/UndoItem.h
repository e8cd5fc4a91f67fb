#pragma once
#include "DiagramEntity.h"

#include <QSize>
#include <memory>
#include <vector>

// One undo snapshot: the paper size and clones of every object, in list order,
// each keeping its group.
struct CUndoItem
{
    QSize paperSize;
    std::vector<std::unique_ptr<CDiagramEntity>> objects;
};

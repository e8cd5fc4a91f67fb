#include "MinimisedWindowRow.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>

namespace MinimisedWindowRow {

void Arrange(QMdiArea& area)
{
    const QSize room = area.viewport()->size();
    int x = 0;
    int bottom = room.height();
    int rowHeight = 0;
    for (QMdiSubWindow* sub : area.subWindowList(QMdiArea::CreationOrder)) {
        if (!sub->isMinimized() || sub->isHidden())
            continue;
        const QSize size = sub->size();
        if (x > 0 && x + size.width() > room.width()) {
            x = 0;
            bottom -= rowHeight;
            rowHeight = 0;
        }
        sub->move(x, std::max(0, bottom - size.height()));
        x += size.width();
        rowHeight = std::max(rowHeight, size.height());
    }
}

} // namespace MinimisedWindowRow

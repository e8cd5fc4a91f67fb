#pragma once
#include <QPoint>
#include <algorithm>

// An integer rectangle in paper pixels. Left and top belong to it, right and
// bottom do not; it need not be normalised.
struct PaperRect
{
    int left = 0, top = 0, right = 0, bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(QPoint p) const
    {
        return p.x() >= left && p.x() < right && p.y() >= top && p.y() < bottom;
    }
    PaperRect Normalized() const
    {
        return {std::min(left, right), std::min(top, bottom), std::max(left, right),
                std::max(top, bottom)};
    }
    bool operator==(const PaperRect&) const = default;
};

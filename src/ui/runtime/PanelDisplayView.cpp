#include "PanelDisplayView.h"
#include "runtime/PanelFrame.h"

#include <QMouseEvent>
#include <QPainter>

CPanelDisplayView::CPanelDisplayView(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(QStringLiteral("Panel Display"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    ShowFrame(CPanelFrame(), true);
}

void CPanelDisplayView::ShowFrame(const CPanelFrame& frame, bool backlight)
{
    image_ = frame.ToImage(zoom_, backlight);
    update();
}

void CPanelDisplayView::SetZoom(int zoom)
{
    if (zoom < 1 || zoom == zoom_)
        return;
    zoom_ = zoom;
    updateGeometry();
    adjustSize();
}

QSize CPanelDisplayView::sizeHint() const
{
    return QSize(CPanelFrame::Width * zoom_ + 2, CPanelFrame::Height * zoom_ + 2);
}

QRect CPanelDisplayView::displayRect() const
{
    return QRect(1, 1, CPanelFrame::Width * zoom_, CPanelFrame::Height * zoom_);
}

void CPanelDisplayView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    // The image is made at the zoom; a frame of another zoom is scaled
    // without smoothing until the next one arrives.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(displayRect(), image_);
}

void CPanelDisplayView::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint() - displayRect().topLeft();
    if (event->button() != Qt::LeftButton || at.x() < 0 || at.y() < 0)
        return;
    const QPoint pixel(at.x() / zoom_, at.y() / zoom_);
    if (pixel.x() < CPanelFrame::Width && pixel.y() < CPanelFrame::Height)
        emit pixelClicked(pixel);
}
